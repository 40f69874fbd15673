#pragma once

#include "manager/report/ReportLayout.h"
#include "manager/report/ReportText.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <vector>

namespace volmira::test {

// The list's fonts need an application; a QApplication, as the manager's
// window tests in the same program need one (kept for the program's life).
inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "report_tests";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!QCoreApplication::instance()) new QApplication(argc, argv);
}

// An airport of the list with `runways` runway lines, the contact text on the last.
inline manager::ReportAirport reportAirport(const QString &icao, int runways, const QString &kontakt = {},
                                            const QString &frequencies = QStringLiteral("LANGEN INFO 123.500")) {
    manager::ReportAirport a{0, icao, QStringLiteral("Flugplatz ") + icao, QStringLiteral("SLP"),
                             QStringLiteral("ELEV: 364 ft"), QStringLiteral("1500"),
                             QStringLiteral("5002.0 N / 00834.2 E"), QStringLiteral("2,5 E"), frequencies, {}};
    for (int i = 0; i < runways; ++i)
        a.cmdGroup.push_back({QStringLiteral("%1 / %2").arg(i + 1, 2, 10, QLatin1Char('0')).arg(i + 19),
                              QStringLiteral("800 m"), QStringLiteral("30 m"), QStringLiteral("Gras"), {}, {}, {}});
    if (runways > 0) a.cmdGroup.back().Kontakt = kontakt;
    return a;
}

struct PlacedItem {
    int page;  // from 0
    const manager::ReportItem *item;
};

// Every item named `name` in page order; of one airport (and runway line) when given.
inline std::vector<PlacedItem> itemsNamed(const manager::ReportPages &pages, QStringView name, int airport = -2,
                                          int row = -2) {
    std::vector<PlacedItem> found;
    for (std::size_t p = 0; p < pages.size(); ++p)
        for (const manager::ReportItem &item : pages[p].items)
            if (item.name == name && (airport == -2 || item.airport == airport) && (row == -2 || item.row == row))
                found.push_back({int(p), &item});
    return found;
}

// The first such item; a test with none fails and gets an empty item.
inline manager::ReportItem itemNamed(const manager::ReportPages &pages, QStringView name, int airport = -2,
                                     int row = -2) {
    const std::vector<PlacedItem> found = itemsNamed(pages, name, airport, row);
    if (found.empty()) {
        ADD_FAILURE() << "no item " << name.toString().toStdString();
        return {};
    }
    return *found.front().item;
}

// How wide a line of an item is set.
inline double lineWidth(const manager::ReportItem &item, const manager::ReportLine &line) {
    return QFontMetricsF(manager::reportFont(item.font)).horizontalAdvance(line.text);
}

}  // namespace volmira::test
