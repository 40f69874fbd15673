#pragma once

#include "browser/ui/frmAirport.h"
#include "platform/Dialogs.h"
#include "support/QtPrinters.h"
#include "support/TempDatabase.h"
#include "support/WidgetApplication.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace volmira::test {

// The airport window over a small database: Frankfurt (three asphalt runways,
// two approaches, three frequencies, IATA FRA), Münster (category "vlp", IATA
// FMO), München, Brilon (SLP, one grass runway), Aachen (grass, then asphalt)
// and Hohn, the window's designer code. All lie at 50.0 N 8.6 E.
class AirportWindowTest : public ::testing::Test {
protected:
    AirportWindowTest() { ensureWidgetApplication(); }

    void SetUp() override {
        addAirport("EDDF", "Frankfurt/Main", "VLP");
        addAirport("EDDG", "M\u00FCnster Osnabr\u00FCck", "vlp");
        addAirport("EDDM", "M\u00FCnchen", "VLP");
        addAirport("EDKO", "Brilon/Hochsauerland", "SLP");
        addAirport("EDKA", "Aachen-Merzbr\u00FCck", "SLP");
        addAirport("ETHN", "Hohn", "SLP");
        ok(store().edits.insertAirportCode({"FRA", "EDDF"}));
        ok(store().edits.insertAirportCode({"FMO", "EDDG"}));
        for (const char *rwy : {"18 / 36", "07C / 25C", "07L / 25R"})
            ok(store().edits.insertRunway(
                {0, "EDDF", rwy, {}, {}, "070", "0.1", 4000, 60, 0, "2026-03-01", "08:00:00"}));
        ok(store().edits.insertRunway({0, "EDKO", "06 / 24", {}, {}, "060", {}, 880, 30, 1, "2026-02-01", "08:00:00"}));
        ok(store().edits.insertRunway({0, "EDKA", "07 / 25", {}, {}, "070", {}, 520, 30, 2, "2026-02-01", "08:00:00"}));
        ok(store().edits.insertRunway(
            {0, "EDKA", "08 / 26", {}, {}, "080", {}, 1000, 20, 0, "2026-02-01", "08:00:00"}));
        for (const char *name : {"TOWER", "apron", "ATIS"})
            ok(store().edits.insertFrequency({0, "EDDF", name, "118.775", "2026-04-01", "09:00:00"}));
        ok(store().edits.insertFrequency({0, "EDKO", "BRILON INFO", "122.600", "2026-02-01", "08:00:00"}));
        for (const char *rwy : {"25R", "07L"})
            ok(store().edits.insertApproach(
                {0, "EDDF", rwy, "110.700", "IFE", "3.0", {}, {}, "2026-05-02", "07:15:00"}));
        writeAptCrm("\"EDDF\"\r\n");
    }

    void addAirport(const char *icao, const char *name, const char *type) {
        store::ArptRow row = t.airport(icao, name);
        row.Type = type;
        row.COORDINATES = "5000.0 N / 00836.0 E";
        row.WGS_DLAT = 50.0;
        row.WGS_DLONG = 8.6;
        row.LastDate.clear();
        t.add(row);
    }

    static void ok(const QString &error) { EXPECT_TRUE(error.isEmpty()) << error.toStdString(); }
    store::AirportStore &store() { return *t.store; }

    QString aptCrmPath() const { return QDir(t.folder()).filePath("Apt.crm"); }
    void writeAptCrm(const QByteArray &content) {
        QFile file(aptCrmPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QByteArray aptCrm() const {
        QFile file(aptCrmPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    // Builds, loads and shows the window, as the main window does.
    browser::frmAirport &open() {
        window = std::make_unique<browser::frmAirport>(store(), dialogs, t.folder());
        titles = std::make_unique<QSignalSpy>(window.get(), &browser::frmAirport::titleChanged);
        window->load();
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    template <typename Widget = QWidget>
    Widget *control(const char *name) const {
        auto *widget = window->findChild<Widget *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit *field(int index) const {
        return control<QLineEdit>(QStringLiteral("tData(%1)").arg(index).toLatin1().constData());
    }
    QString shownIcao() const { return field(4)->text(); }

    // QTest::keyClicks knows ASCII only; umlauts go as their Latin-1 key codes.
    static void type(QWidget *widget, const QString &text) {
        for (const QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(widget, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
        }
    }

    // Types into tAirport as the user does: replace the text, then Enter.
    void enterCode(const QString &text) {
        window->tAirport->clear();
        type(window->tAirport, text);
        QTest::keyClick(window->tAirport, Qt::Key_Return);
    }

    TempDatabase t;
    platform::FakeDialogs dialogs;
    std::unique_ptr<browser::frmAirport> window;
    std::unique_ptr<QSignalSpy> titles;
};

}  // namespace volmira::test
