#include "support/AirportWindowFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>

using volmira::test::AirportWindowTest;

namespace {

class AirportWindowLookup : public AirportWindowTest {
protected:
    QLineEdit *quickfind() const { return control<QLineEdit>("tQuickfind"); }
    QTableView *list() const { return control<QTableView>("gridAirports"); }
};

}  // namespace

TEST_F(AirportWindowLookup, CodesInAnyCaseAndWithBlanksAreShownUpperCase) {
    open();
    const struct {
        const char *typed, *icao;
    } cases[] = {{"fra", "EDDF"}, {"  edko  ", "EDKO"}, {"FMO", "EDDG"}, {"eddm", "EDDM"}};
    for (const auto &c : cases) {
        enterCode(c.typed);
        EXPECT_EQ(window->tAirport->text(), QString(c.typed).toUpper());
        EXPECT_EQ(shownIcao(), c.icao) << c.typed;
    }
    EXPECT_TRUE(dialogs.shown.empty());
    // Each lookup names its airport in the title and keeps its newest change in LastDate.
    EXPECT_TRUE(titles->last().at(0).toString().startsWith("Volmira EDDM"));
    EXPECT_EQ(store().reads.airportByIcao("EDKO").value()->LastDate, "2026-02-01");
}

TEST_F(AirportWindowLookup, NotFoundEmptiesTheWindowAndTheClosingEnterDoesNotAskAgain) {
    open();
    enterCode("XXXX");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Keine Daten vorhanden");
    EXPECT_EQ(dialogs.shown[0].text, "Es wurde kein Flughafen gefunden");
    for (int i = 0; i < 7; ++i) EXPECT_EQ(field(i)->text(), "") << i;
    EXPECT_EQ(control<QTableView>("gridRwyData")->model()->rowCount(), 0);

    QTest::keyClick(window->tAirport, Qt::Key_Return);  // closed the box
    EXPECT_EQ(dialogs.shown.size(), 1u);
    QTest::keyClick(window->tAirport, Qt::Key_Return);
    EXPECT_EQ(dialogs.shown.size(), 2u);

    // Three letters are an IATA code only, even when they begin an ICAO code.
    enterCode("EDD");
    EXPECT_EQ(dialogs.shown.size(), 3u);
    enterCode("EDDF");
    EXPECT_EQ(shownIcao(), "EDDF");
    EXPECT_EQ(dialogs.shown.size(), 3u);
}

TEST_F(AirportWindowLookup, FindButtonLooksUpTheUpperCaseCode) {
    open();
    window->tAirport->setFocus();
    window->tAirport->clear();
    QTest::keyClicks(window->tAirport, "edxx");
    QTest::mouseClick(control<QPushButton>("cmdFindAirport"), Qt::LeftButton);
    EXPECT_EQ(window->tAirport->text(), "EDXX");
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(AirportWindowLookup, DoubleClickEmptiesTheCode) {
    open();
    QTest::mouseDClick(window->tAirport, Qt::LeftButton);
    EXPECT_EQ(window->tAirport->text(), "");
}

TEST_F(AirportWindowLookup, QuickFindShowsTheFirstNameWhileTypingAndEnterKeepsIt) {
    open();
    type(quickfind(), "m\u00FC");
    EXPECT_FALSE(list()->isHidden());
    EXPECT_EQ(list()->model()->headerData(0, Qt::Horizontal).toString(), "          Flughafen");
    ASSERT_EQ(list()->model()->rowCount(), 2);
    EXPECT_EQ(list()->model()->index(0, 0).data().toString(), "M\u00FCnchen");
    EXPECT_EQ(window->tAirport->text(), "EDDM");
    EXPECT_EQ(field(0)->text(), "M\u00FCnchen");

    QTest::keyClick(quickfind(), Qt::Key_Return);
    EXPECT_TRUE(list()->isHidden());
    EXPECT_EQ(quickfind()->text(), "");
    EXPECT_EQ(shownIcao(), "EDDM");
}

TEST_F(AirportWindowLookup, EscapeReturnsToTheAirportShownBeforeTheFirstKey) {
    open();
    type(quickfind(), "b");
    EXPECT_EQ(shownIcao(), "EDKO");
    QTest::keyClick(quickfind(), Qt::Key_Backspace);
    type(quickfind(), "m\u00FCnst");
    EXPECT_EQ(shownIcao(), "EDDG");
    EXPECT_EQ(control<QLabel>("Label10")->text(), "EDDF");

    QTest::keyClick(quickfind(), Qt::Key_Escape);
    EXPECT_TRUE(list()->isHidden());
    EXPECT_EQ(quickfind()->text(), "");
    EXPECT_EQ(window->tAirport->text(), "EDDF");
    EXPECT_EQ(shownIcao(), "EDDF");

    // A new quick find remembers the airport current now.
    type(quickfind(), "h");
    QTest::keyClick(quickfind(), Qt::Key_Escape);
    EXPECT_EQ(control<QLabel>("Label10")->text(), "EDDF");
}
