#include "support/AirportWindowFixture.h"

#include "store/SearchNames.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

using AirportWindowLookup = volmira::test::AirportWindowTest;

TEST_F(AirportWindowLookup, TheCodeTypedIsShownUpperCase) {
    open();
    enterCode("  edko  ");
    EXPECT_EQ(window->tAirport->text(), "  EDKO  ");
    EXPECT_EQ(shownIcao(), "EDKO");
    EXPECT_TRUE(titles->last().at(0).toString().startsWith("Volmira EDKO"));
}

TEST_F(AirportWindowLookup, NotFoundEmptiesEverythingAndTheClosingEnterDoesNotAskAgain) {
    open();
    enterCode("XXXX");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Keine Daten vorhanden");
    EXPECT_EQ(dialogs.shown[0].text, "Es wurde kein Flughafen gefunden");
    for (int i = 0; i < 7; ++i) EXPECT_EQ(field(i)->text(), "") << i;
    EXPECT_EQ(grid("gridRwyData")->model()->rowCount(), 0);
    EXPECT_EQ(control<QLineEdit>("tSunrise")->text() + control<QLineEdit>("tSunset")->text(), "");
    EXPECT_TRUE(control("lblRWYDesc")->isHidden());
    EXPECT_EQ(titles->last().at(0).toString(), "Volmira APT");

    QTest::keyClick(window->tAirport, Qt::Key_Return);  // closed the box
    EXPECT_EQ(dialogs.shown.size(), 1u);
    QTest::keyClick(window->tAirport, Qt::Key_Return);
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST_F(AirportWindowLookup, FindButtonLooksUpTheUpperCaseCodeAndADoubleClickEmptiesIt) {
    open();
    window->tAirport->setFocus();
    window->tAirport->clear();
    QTest::keyClicks(window->tAirport, "edxx");
    QTest::mouseClick(control<QPushButton>("cmdFindAirport"), Qt::LeftButton);
    EXPECT_EQ(window->tAirport->text(), "EDXX");
    EXPECT_EQ(dialogs.shown.size(), 1u);
    QTest::mouseDClick(window->tAirport, Qt::LeftButton);
    EXPECT_EQ(window->tAirport->text(), "");
}

TEST_F(AirportWindowLookup, QuickFindShowsTheFirstNameWhileTypingAndATextWithoutHitsEmptiesTheList) {
    open();
    type(quickfind(), "m\u00FC");
    EXPECT_FALSE(list()->isHidden());
    ASSERT_EQ(list()->model()->rowCount(), 2);
    EXPECT_EQ(list()->model()->index(0, 1).data().toString(), "M\u00FCnchen");
    EXPECT_EQ(window->tAirport->text(), "EDDM");
    type(quickfind(), "x");
    EXPECT_EQ(list()->model()->rowCount(), 0);
    EXPECT_TRUE(control("lblNoHit")->isVisible() && control<QLabel>("lblNoHit")->text() == "kein Treffer");
    EXPECT_EQ(shownIcao(), "EDDF");
    QTest::keyClick(quickfind(), Qt::Key_Backspace);  // hits again
    EXPECT_TRUE(shownIcao() == "EDDM" && control("lblNoHit")->isHidden());
}

// A city finds its airport; the list says where the text was found, and Enter keeps it.
TEST_F(AirportWindowLookup, QuickFindListsCityCountryAndSourceAndEnterShowsTheAirport) {
    volmira::test::addSampleAirport(t, "EDDK", "Cologne Bonn Airport", "VLP");
    volmira::test::expectOk(t.store->edits.insertCountry({"ED", "Deutschland"}).error());
    volmira::test::expectOk(
        volmira::store::addSearchNames(t.db, "EDDK", volmira::store::NameSource::City, {"K\u00F6ln (Cologne)"}).error());
    open();
    type(quickfind(), "K\u00F6ln");
    ASSERT_EQ(list()->model()->rowCount(), 1);
    QStringList row;
    for (int column = 0; column < list()->model()->columnCount(); ++column)
        row << list()->model()->index(0, column).data().toString();
    EXPECT_EQ(row, (QStringList{"EDDK", "Cologne Bonn Airport", "K\u00F6ln (Cologne)", "Deutschland", "Ort"}));
    QTest::keyClick(quickfind(), Qt::Key_Return);
    EXPECT_TRUE(list()->isHidden());
    EXPECT_EQ(shownIcao(), "EDDK");
}

// A letter matches thousands of names: the list reads a screenful, and the
// rest, with the further kinds of hit after the names, as it is scrolled.
TEST_F(AirportWindowLookup, TheListReadsOnAsItIsScrolled) {
    for (int i = 0; i < 130; ++i)
        t.add(t.airport(QStringLiteral("Z%1").arg(i, 3, 10, QChar('0')), QStringLiteral("Zett %1").arg(i)));
    t.add(t.airport("EDZZ", "Alpha Zett"));
    open();
    type(quickfind(), "zett");
    const int screenful = list()->model()->rowCount();
    EXPECT_LT(screenful, 131);
    list()->scrollToBottom();
    QCoreApplication::processEvents();
    ASSERT_EQ(list()->model()->rowCount(), 131) << screenful;
    EXPECT_EQ(list()->model()->index(130, 0).data().toString(), "EDZZ");
}

// Typing after any lookup replaces the code looked up.
TEST_F(AirportWindowLookup, EveryLookupLeavesTheCodeSelected) {
    open();
    for (const char *code : {"eddm", "edko"}) {
        type(window->tAirport, code);
        QTest::keyClick(window->tAirport, Qt::Key_Return);
    }
    EXPECT_EQ(shownIcao(), "EDKO");
    QTest::mouseClick(control<QPushButton>("cmdFindAirport"), Qt::LeftButton);
    EXPECT_TRUE(window->tAirport->hasFocus());
    EXPECT_EQ(window->tAirport->selectedText(), "EDKO");
    type(quickfind(), "m\u00FC");
    EXPECT_EQ(window->tAirport->selectedText(), "EDDM");
}

TEST_F(AirportWindowLookup, EnterKeepsTheAirportPickedWithTheArrowKeys) {
    open();
    QSignalSpy shown(window.get(), &volmira::browser::frmAirport::airportShown);
    type(quickfind(), "m\u00FC");
    QTest::keyClick(quickfind(), Qt::Key_Down);
    EXPECT_EQ(shownIcao(), "EDDG");
    EXPECT_EQ(quickfind()->text(), "m\u00FC");
    QTest::keyClick(quickfind(), Qt::Key_Return);
    EXPECT_TRUE(list()->isHidden());
    EXPECT_EQ(quickfind()->text(), "");
    EXPECT_EQ(shownIcao(), "EDDG");
    // Only the airport kept is one shown, not those passed on the way.
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown.at(0).at(0).toString(), "EDDG");

    // The same from inside the list.
    type(quickfind(), "m\u00FC");
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_TRUE(list()->selectionModel()->isRowSelected(1, {}));
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_TRUE(list()->isHidden());
    EXPECT_EQ(shownIcao(), "EDDG");
    EXPECT_TRUE(quickfind()->hasFocus());
}

TEST_F(AirportWindowLookup, EscapeInTheBoxOrTheListReturnsToTheAirportShownBeforeTheFirstKey) {
    open();
    type(quickfind(), "b");
    EXPECT_EQ(shownIcao(), "EDKO");
    QTest::keyClick(quickfind(), Qt::Key_Backspace);
    type(quickfind(), "m\u00FCnst");
    EXPECT_EQ(shownIcao(), "EDDG");
    QTest::keyClick(quickfind(), Qt::Key_Escape);
    EXPECT_TRUE(list()->isHidden());
    EXPECT_EQ(quickfind()->text(), "");
    EXPECT_EQ(window->tAirport->text(), "EDDF");
    EXPECT_EQ(shownIcao(), "EDDF");

    type(quickfind(), "b");
    list()->setCurrentIndex(list()->model()->index(0, 0));
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Escape);
    EXPECT_TRUE(list()->isHidden());
    EXPECT_EQ(shownIcao(), "EDDF");
    QTest::keyClick(quickfind(), Qt::Key_D, Qt::AltModifier);  // the menu's shortcut types nothing
    EXPECT_TRUE(list()->isHidden());
}
