#include "browser/AirportLookup.h"
#include "browser/GridColumns.h"
#include "browser/LastAirportFile.h"
#include "cli/Commands.h"
#include "cli/Options.h"
#include "cli/RowJson.h"
#include "cli/Session.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <optional>

namespace volmira::cli {

namespace {

template <typename Row, typename ToJson>
QJsonArray jsonArray(const std::vector<Row> &rows, ToJson toJson) {
    QJsonArray array;
    for (const Row &row : rows) array.append(toJson(row));
    return array;
}

QJsonObject viewJson(const browser::AirportView &v) {
    QJsonArray fields;
    for (const QString &text : v.texts) fields.append(text);
    return {{"icao", v.airport.ICAO},
            {"type", v.airport.Type},
            {"colours", v.scheme == browser::ColourScheme::Vlp ? "VLP" : "other"},
            {"fields", fields},
            {"runways", jsonArray(v.runways, runwayJson)},
            {"frequencies", jsonArray(v.frequencies, frequencyJson)},
            {"approaches", jsonArray(v.approaches, approachJson)},
            {"sunrise", v.sun.sunrise},
            {"sunset", v.sun.sunset},
            {"title", v.lastUpdate.title}};
}

QString cell(const std::optional<int> &value) { return value ? QString::number(*value) : QString(); }

// Prints a grid as the window shows it: its header texts over aligned columns.
template <std::size_t N>
void printGrid(const QString &caption, const std::array<browser::GridColumn, N> &columns,
               const std::vector<std::array<QString, N>> &rows) {
    out() << caption << ":\n";
    if (rows.empty()) {
        out() << "  (keine)\n";
        return;
    }
    std::array<qsizetype, N> widths{};
    for (std::size_t c = 0; c < N; ++c) {
        widths[c] = columns[c].header.trimmed().size();
        for (const auto &row : rows) widths[c] = std::max(widths[c], row[c].size());
    }
    auto line = [&](auto text) {
        out() << ' ';
        for (std::size_t c = 0; c < N; ++c) out() << ' ' << printable(text(c)).leftJustified(widths[c]);
        out() << '\n';
    };
    line([&](std::size_t c) { return columns[c].header.trimmed().toString(); });
    for (const auto &row : rows) line([&](std::size_t c) { return row[c]; });
}

void printView(const browser::AirportView &v) {
    out() << printable(v.lastUpdate.title) << "\n\n";
    for (const QString &text : v.texts)
        if (!text.isEmpty()) out() << "  " << printable(text) << '\n';
    out() << '\n';

    std::vector<std::array<QString, 5>> runways;
    for (const auto &r : v.runways) runways.push_back({r.RWY, r.RWYHDG, r.SLOPE, cell(r.Length), cell(r.Width)});
    printGrid("RWY Info", browser::kRunwayColumns, runways);
    for (const auto &r : v.runways)
        out() << "  " << printable(r.RWY) << ": " << browser::surfaceIndicator(r.SURFACE).caption << '\n';

    std::vector<std::array<QString, 6>> approaches;
    for (const auto &r : v.approaches)
        approaches.push_back({r.RWY, r.ILS_FREQ, r.ILS_IDENT, r.ILS_GS, r.OM_FREQ, r.OM_IDENT});
    printGrid("Anflug Info", browser::kApproachColumns, approaches);

    std::vector<std::array<QString, 2>> coms;
    for (const auto &r : v.frequencies) coms.push_back({r.Name, r.FREQ});
    printGrid("COM Info", browser::kComColumns, coms);

    out() << '\n' << v.sun.sunrise << '\n' << v.sun.sunset << '\n';
}

}  // namespace

int lookupCommand(const Options &options) {
    QDate day = QDate::currentDate();
    if (options.has("date")) {
        day = QDate::fromString(options.value("date"), Qt::ISODate);
        if (!day.isValid()) {
            err() << "Ungültiges Datum: " << options.value("date") << " (erwartet JJJJ-MM-TT)" << Qt::endl;
            return kUsage;
        }
    }
    auto session = openSession(options, store::Database::Mode::ReadOnly);
    if (!session) return kDataError;
    // Without a code, the airport the window would open on; a command that only
    // reads leaves a missing Apt.crm missing.
    const QString code = options.arguments.isEmpty()
                             ? browser::readLastAirport(QDir(session->dataFolder)
                                                            .filePath(QString::fromLatin1(browser::kLastAirportFileName)))
                                   .value_or(QString::fromLatin1(browser::kFirstRunAirport))
                             : options.arguments.first();
    const platform::Result<std::optional<browser::AirportView>> found =
        browser::lookupAirport(*session->store, code, day);
    if (!found) return failed(found);
    const std::optional<browser::AirportView> &view = *found;
    if (!view) {
        err() << browser::kNotFoundMessage.toString() << Qt::endl;
        return kNotFound;
    }
    if (options.json)
        out() << QJsonDocument(viewJson(*view)).toJson(QJsonDocument::Indented);
    else
        printView(*view);
    out().flush();
    return kDone;
}

}  // namespace volmira::cli
