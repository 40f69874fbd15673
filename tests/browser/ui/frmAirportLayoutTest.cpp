#include "support/AirportWindowFixture.h"

#include <QPushButton>

using volmira::test::AirportWindowTest;

namespace {

class AirportWindowLayout : public AirportWindowTest {
protected:
    bool mapPageShowing() const {
        const bool map = !control("frmMap")->isHidden();
        EXPECT_EQ(control("frmAPT")->isHidden(), map);
        EXPECT_EQ(control("cmdAPTData")->isHidden(), !map);
        EXPECT_EQ(control("cmdKarte")->isHidden(), map);
        return map;
    }
};

}  // namespace

TEST_F(AirportWindowLayout, SpaceSwitchesPagesUnlessACodeIsBeingTypedAndNeverPressesAButton) {
    open();
    auto *cmdKarte = control<QPushButton>("cmdKarte");
    cmdKarte->setFocus();
    QTest::keyClick(cmdKarte, Qt::Key_Space);  // the shortcut switches, the button does not
    EXPECT_TRUE(mapPageShowing());
    QWidget *tTemp = control("tTemp");
    EXPECT_TRUE(tTemp->hasFocus());
    QTest::keyClick(tTemp, Qt::Key_Space);
    EXPECT_FALSE(mapPageShowing());

    window->tAirport->setFocus();
    window->tAirport->setText("ED");
    QTest::keyClick(window->tAirport, Qt::Key_Space);
    EXPECT_EQ(window->tAirport->text(), "ED ");
    EXPECT_FALSE(mapPageShowing());
    // While a code is being typed the shortcut is off, and Space still presses nothing.
    auto *find = control<QPushButton>("cmdFindAirport");
    find->setFocus();
    QTest::keyClick(find, Qt::Key_Space);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(mapPageShowing());

    // After a lookup no code is being typed any more.
    window->tAirport->setText("EDDF");
    QTest::keyClick(window->tAirport, Qt::Key_Return);
    QWidget *frequencies = control("gridCom");
    frequencies->setFocus();
    QTest::keyClick(frequencies, Qt::Key_Space);
    EXPECT_TRUE(mapPageShowing());
}

TEST_F(AirportWindowLayout, QuickFindListTurnsTheSpaceShortcutOff) {
    open();
    QWidget *quickfind = control("tQuickfind");
    type(quickfind, "aachen");
    type(quickfind, " ");
    EXPECT_FALSE(mapPageShowing());
    EXPECT_EQ(shownIcao(), "EDDF");  // "aachen " names none: the airport of before
}

TEST_F(AirportWindowLayout, FirstRunShowsTheDesignerCodeAndWritesEdhn) {
    QFile::remove(aptCrmPath());
    open();
    EXPECT_EQ(window->tAirport->text(), "ETHN");
    EXPECT_EQ(field(0)->text(), "Hohn");
    EXPECT_EQ(aptCrm(), "\"EDHN\"\r\n");
}
