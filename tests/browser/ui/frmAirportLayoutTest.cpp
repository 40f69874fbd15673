#include "frmAirportFixture.h"

#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QTableView>

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
    // Resizes and waits for the resize to arrive.
    void resizeTo(int width, int height) {
        window->resize(width, height);
        QCoreApplication::processEvents();
    }
};

}  // namespace

TEST_F(AirportWindowLayout, SpaceSwitchesPagesUnlessACodeIsBeingTyped) {
    open();
    QWidget *runways = control("gridRwyData");
    runways->setFocus();
    QTest::keyClick(runways, Qt::Key_Space);
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
    EXPECT_FALSE(control("frmtAirport")->isHidden());

    // After a lookup no code is being typed any more.
    QTest::keyClick(window->tAirport, Qt::Key_Backspace);
    QTest::keyClick(window->tAirport, Qt::Key_Return);
    EXPECT_TRUE(control("frmtAirport")->isHidden());
    QWidget *frequencies = control("gridCom");
    frequencies->setFocus();
    QTest::keyClick(frequencies, Qt::Key_Space);
    EXPECT_TRUE(mapPageShowing());
}

TEST_F(AirportWindowLayout, SpaceNeverPressesAButton) {
    open();
    auto *cmdKarte = control<QPushButton>("cmdKarte");
    cmdKarte->setFocus();
    QTest::keyClick(cmdKarte, Qt::Key_Space);  // the shortcut switches, the button does not
    EXPECT_TRUE(mapPageShowing());

    // While a code is being typed the shortcut is off, and Space still presses nothing.
    QTest::keyClick(window->tAirport, Qt::Key_X);
    auto *find = control<QPushButton>("cmdFindAirport");
    find->setFocus();
    QTest::keyClick(find, Qt::Key_Space);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(mapPageShowing());
    QTest::keyClick(window->tAirport, Qt::Key_Return);
    EXPECT_EQ(dialogs.shown.size(), 1u);

    QTest::mouseClick(control<QPushButton>("cmdAPTData"), Qt::LeftButton);
    EXPECT_FALSE(mapPageShowing());
    QTest::mouseClick(control<QPushButton>("cmdKarte"), Qt::LeftButton);
    EXPECT_TRUE(mapPageShowing());
}

TEST_F(AirportWindowLayout, QuickFindListTurnsTheSpaceShortcutOff) {
    open();
    QWidget *quickfind = control("tQuickfind");
    type(quickfind, "aachen");
    type(quickfind, " ");
    EXPECT_FALSE(mapPageShowing());
    EXPECT_EQ(shownIcao(), "EDKA");
}

TEST_F(AirportWindowLayout, DesignStaysCentredWhileTheWindowIsLarger) {
    open();
    QWidget *frmAPT = control("frmAPT");
    QWidget *frame1 = control("Frame1");
    QWidget *list = control("gridAirports");

    // 1200 x 700 pixels: the design starts at 1410, 1328 twips (1327.5 rounded to even).
    resizeTo(1200, 700);
    EXPECT_EQ(frmAPT->pos(), QPoint(99, 159));
    EXPECT_EQ(frame1->pos(), QPoint(214, 89));
    EXPECT_EQ(list->pos(), QPoint(446, 147));

    // Smaller than the design in either direction: nothing moves.
    for (const QSize size : {QSize(1000, 900), QSize(1400, 500)}) {
        resizeTo(size.width(), size.height());
        EXPECT_EQ(frmAPT->pos(), QPoint(99, 159)) << size.width() << "x" << size.height();
        EXPECT_EQ(frame1->pos(), QPoint(214, 89));
    }

    // Exactly the design's size puts it at the top left corner.
    resizeTo(1012, 523);
    EXPECT_EQ(frmAPT->pos(), QPoint(5, 70));
    EXPECT_EQ(frame1->pos(), QPoint(120, 0));
}

TEST_F(AirportWindowLayout, SkipNextResizeLeavesTheLayoutOnce) {
    open();
    resizeTo(1012, 523);
    window->SkipNextResize = true;
    resizeTo(1200, 700);
    EXPECT_FALSE(window->SkipNextResize);
    EXPECT_EQ(control("frmAPT")->pos(), QPoint(5, 70));
    resizeTo(1201, 700);
    EXPECT_EQ(control("frmAPT")->pos(), QPoint(100, 159));
}

TEST_F(AirportWindowLayout, FirstRunShowsTheDesignerCodeAndWritesEdhn) {
    QFile::remove(aptCrmPath());
    open();
    EXPECT_EQ(window->tAirport->text(), "ETHN");
    EXPECT_EQ(field(0)->text(), "Hohn");
    EXPECT_EQ(aptCrm(), "\"EDHN\"\r\n");
}

TEST_F(AirportWindowLayout, RememberedCodeNoLongerInTheDatabaseIsReported) {
    writeAptCrm("\"EDQQ\"\r\n");
    open();
    EXPECT_EQ(window->tAirport->text(), "EDQQ");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Es wurde kein Flughafen gefunden");
}
