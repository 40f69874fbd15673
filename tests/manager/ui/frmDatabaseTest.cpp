#include "support/ManagerWindowFixture.h"
#include "support/Files.h"
#include "support/ModalSteps.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace volmira;
using Manager = test::ManagerWindowTest;

TEST_F(Manager, PreselectsTheCountryAndAirportOfTheBrowser) {
    const struct { const char *shown, *country, *airport; } cases[] = {
        {"EDKO", "ED", "EDKO"}, {"LIAP", "LI", "LIAP"}, {"", "ED", "EDDF"} /* EDAA */, {"ZZZ", "ZZ", "ZZZ"}};
    for (const auto &c : cases) {
        open(c.shown);
        EXPECT_EQ(country(), c.country) << c.shown;
        EXPECT_EQ(window->currentAirport(), c.airport) << c.shown;
        EXPECT_EQ(window->lblTotal->text(), "Insgesamt 8 Flughäfen");
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Manager, FilterClicksRebuildTheListAndItsCount) {
    open("EDDF");
    const struct { QCheckBox *box; QStringList airports; const char *count; } clicks[] = {
        {window->chkType[0], {"EDKA", "EDKO"}, "2 Flughäfen"},  // SLP only
        {window->chkSurf[1], {"EDKA"}, "1 Flughafen"},          // hard runways only
        {window->chkSurf[0], {}, "0 Flughäfen"},                // no runway at all
    };
    for (const auto &c : clicks) {
        QTest::mouseClick(c.box, Qt::LeftButton, {}, QPoint(6, c.box->height() / 2));
        EXPECT_EQ(codes(window->gridApt), c.airports) << c.box->objectName().toStdString();
        EXPECT_EQ(window->lblAptCount->text(), c.count);
    }
}

TEST_F(Manager, AnUnreadableLengthIsToldOncePerBuildAndListsWithLengthZero) {
    open("EDDF");
    window->tLength->clear();
    QTest::keyClick(window->tLength, Qt::Key_Return);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Bitte Daten der Landebahnlänge überprüfen.");
    EXPECT_EQ(window->lblAptCount->text(), "5 Flughäfen");
    test::writeFile(QDir(t.folder()).filePath("dbs.crm"), "1\r\n1\r\n1\r\n1\r\n\"\"\r\n");
    window->activate();  // one build, after the filter is read
    EXPECT_EQ(dialogs.shown.size(), 2u);
    QTest::keyClicks(window->tLength, "x");
    QTest::keyClick(window->tLength, Qt::Key_Tab);  // on within the window
    EXPECT_EQ(dialogs.shown.size(), 3u);
}

TEST_F(Manager, ADoubleClickShowsThatAirportInTheBrowserByItsIcaoCode) {
    open("ZZZ");
    QSignalSpy wanted(window.get(), &manager::frmDatabase::airportWindowWanted);
    airport->clearAirport();
    const QPoint cell = window->gridApt->visualRect(window->gridApt->currentIndex()).center();
    QTest::mouseClick(window->gridApt->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(window->gridApt->viewport(), Qt::LeftButton, {}, cell);
    EXPECT_EQ(airport->currentIcao(), "ZZZ");  // not read as an IATA code
    EXPECT_EQ(wanted.count(), 1);
}

TEST_F(Manager, DeleteAsksRemovesAndRefreshesTheCounts) {
    const struct { const char *shown; platform::Dialogs::Answer answer; const char *total; bool gone; } cases[] = {
        {"EDKO", platform::Dialogs::Answer::No, "Insgesamt 8 Flughäfen", false},
        {"EDKO", platform::Dialogs::Answer::Yes, "Insgesamt 7 Flughäfen", true},
        {"EDDM", platform::Dialogs::Answer::Yes, "Insgesamt 6 Flughäfen", true},
    };
    for (const auto &c : cases) {
        open(c.shown);
        dialogs.answers = {c.answer};
        const QString name = t.store->reads.airportByIcao(c.shown).value()->Name;
        window->cmdDelete->click();
        EXPECT_EQ(dialogs.shown.back().text, QString("Soll der Flughafen - %1 - %2 - gelöscht werden ?")
                                                 .arg(c.shown, name));
        EXPECT_EQ(dialogs.shown.back().defaultAnswer, platform::Dialogs::Answer::No);
        EXPECT_EQ(window->lblTotal->text(), c.total);
        EXPECT_EQ(country(), "ED");  // the country row kept
        EXPECT_EQ(airport->currentIcao().isEmpty(), c.gone);
        EXPECT_EQ(codes(window->gridExport).contains(c.shown), !c.gone);  // shown: changed, sent
    }
    window->chkType[0]->click();
    window->chkType[1]->click();  // an empty list: nothing to delete
    window->cmdDelete->click();
    EXPECT_EQ(dialogs.shown.back().text, "Fehler beim Löschen - Flugplatz wurde nicht gelöscht");
}

TEST_F(Manager, AddCountsTheNewAirportAndMakesItCurrent) {
    open("EDDF");
    window->tLength->setText("-1");  // admits an airport without runways
    test::ModalSteps steps({[](QDialog &d) { d.reject(); },
                            [](QDialog &d) {
                                const std::pair<const char *, const char *> boxes[] = {
                                    {"tAPT(0)", "LIBX"}, {"tAPT(1)", "2"}, {"tAPT(3)", "500"},
                                    {"tCoord(0)", "4907,1"}, {"tCoord(1)", "00946.5"}};
                                for (const auto &[name, text] : boxes) d.findChild<QLineEdit *>(name)->setText(text);
                                d.findChild<QPushButton *>("cmdOk")->click();
                            }});
    window->cmdAdd->click();
    EXPECT_EQ(window->lblTotal->text(), "Insgesamt 8 Flughäfen");
    window->cmdAdd->click();
    EXPECT_EQ(window->lblTotal->text(), "Insgesamt 9 Flughäfen");
    EXPECT_EQ(country(), "LI");
    EXPECT_EQ(window->currentAirport(), "LIBX");
    EXPECT_TRUE(codes(window->gridExport).contains("LIBX"));
}

TEST_F(Manager, SendWritesTheChangedAirportsIntoExportCrm) {
    const QString file = QDir(t.folder()).filePath("export.crm");
    open("");
    test::expectOk(t.db.exec("UPDATE ARPT SET LastDate = NULL").error());  // the airport window's start stamped one
    window->activate();
    window->cmdSend->click();  // nothing changed: no file, no upload, no mail
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_TRUE(scripted.uploaded().empty() && shell.opened.empty());
    test::expectOk(t.db.exec("UPDATE ARPT SET LastDate = '2026-03-01' WHERE ICAO IN ('ZZZ', 'EDKO')").error());
    window->activate();
    EXPECT_EQ(window->lblNewApt->text(), "2 aktualisierte Flugplätze vorhanden");
    window->cmdSend->click();
    const QByteArray written = test::readFile(file);
    EXPECT_TRUE(written.contains("EDKO") && written.contains("ZZZ") && !written.contains("EDDF"));
}
