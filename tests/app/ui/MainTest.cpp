#include "app/ui/Main.h"
#include "browser/ui/frmAirport.h"

#include "support/AirportWindowFixture.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

using namespace volmira;

using MainWindow = test::AirportWindowTest;

TEST_F(MainWindow, TheAirportEntryShowsTheAirportWindowAndTheTitleIsItsLastChangeLine) {
    app::Main main(*t.store, dialogs, shell, t.folder(), t.folder(), false);
    EXPECT_FALSE(main.mnuUpdate->isVisible());  // no update available
    EXPECT_EQ(main.airportWindow(), nullptr);
    main.mnuAirportWindow->trigger();
    browser::frmAirport *airport = main.airportWindow();
    ASSERT_NE(airport, nullptr);
    airport->tAirport->setText("EDDF");
    QTest::keyClick(airport->tAirport, Qt::Key_Return);
    EXPECT_TRUE(main.windowTitle().startsWith("Volmira EDDF" + QString(27, ' ') + "Letzte Aktualisierung - "));
    main.mnuAirportWindow->trigger();  // the same window again, not a second one
    EXPECT_EQ(main.airportWindow(), airport);
}

TEST_F(MainWindow, ClosingSavesTheCodeShownInUpperCaseAndIsNeverRefused) {
    auto main = std::make_unique<app::Main>(*t.store, dialogs, shell, t.folder(), t.folder(), true);
    EXPECT_TRUE(main->mnuUpdate->isVisible());
    main->show();
    main->showAirportWindow();
    main->airportWindow()->tAirport->setText("eddm");  // typed, never confirmed
    EXPECT_TRUE(main->close());
    EXPECT_EQ(aptCrm(), "\"EDDM\"\r\n");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MainWindow, TheUsersFirstResizeCentresTheAirportWindow) {
    app::Main main(*t.store, dialogs, shell, t.folder(), t.folder(), false);
    main.resize(1100, 650);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    const QWidget *page = main.showAirportWindow().findChild<QWidget *>("frmAPT");
    QCoreApplication::processEvents();
    const QPoint before = page->pos();
    main.resize(1400, 900);
    QCoreApplication::processEvents();
    EXPECT_GT(page->pos().x(), before.x());
}

// The menu by keyboard: Alt and the underlined letter, or F10, the arrows and Enter.
TEST_F(MainWindow, TheMenuIsReachedByKeyboard) {
    app::Main main(*t.store, dialogs, shell, t.folder(), t.folder(), false);
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QWidget *code = main.showAirportWindow().tAirport;
    QTest::keyClick(code, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(main.windowTitle(), "Datenbank");
    main.showAirportWindow();
    code->setFocus();
    for (const auto key : {Qt::Key_F10, Qt::Key_Escape, Qt::Key_F10, Qt::Key_Right})
        QTest::keyClick(QApplication::focusWidget(), key);
    // The marked "Flughafen" opens its menu; Right there goes on along the bar.
    ASSERT_TRUE(main.mnuFlughafenMenu->isVisible());
    QTest::keyClick(main.mnuFlughafenMenu, Qt::Key_Right);
    EXPECT_EQ(main.menuBar()->activeAction(), main.mnuDatabase) << "past the empty spacers";
    QTest::keyClick(main.menuBar(), Qt::Key_Return);
    EXPECT_EQ(main.windowTitle(), "Datenbank");
}

// A second start of the program hands its code over.
TEST_F(MainWindow, AHandedOverCodeIsShownAsTypedInFrontOnceTheDialogIsClosed) {
    app::Main main(*t.store, dialogs, shell, t.folder(), t.folder(), false);
    main.showMinimized();
    main.showDatabaseWindow();
    QDialog dialog(&main);
    dialog.setModal(true);
    dialog.show();
    main.showHandedOver("eddm");
    EXPECT_FALSE(main.isMinimized());
    EXPECT_EQ(main.airportWindow()->currentIcao(), "EDDF");  // under the dialog nothing changes
    dialog.hide();
    QCoreApplication::processEvents();
    EXPECT_EQ(main.windowTitle().left(12), "Volmira EDDM");
    EXPECT_EQ(main.airportWindow()->tAirport->text(), "EDDM");
    EXPECT_EQ(main.airportWindow()->tAirport->selectedText(), "EDDM");
}

// The airport shown at the start and one typed are offered newest first; the older one is shown again.
TEST_F(MainWindow, TheAirportMenuListsTheAirportsShownLastAndShowsTheOneChosen) {
    app::Main main(*t.store, dialogs, shell, t.folder(), t.folder(), false);
    main.showHandedOver("eddm");
    emit main.mnuFlughafenMenu->aboutToShow();
    const QList<QAction *> all = main.mnuFlughafenMenu->actions();  // the recent ones follow the separator
    const QList<QAction *> entries = all.mid(std::ranges::find_if(all, &QAction::isSeparator) - all.begin() + 1);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0]->text() + ", " + entries[1]->text(), "EDDM  M\u00FCnchen, EDDF  Frankfurt/Main");
    entries[1]->trigger();
    EXPECT_EQ(main.airportWindow()->currentIcao(), "EDDF");
    EXPECT_EQ(test::readFile(QDir(t.folder()).filePath("Zuletzt.crm")), "\"EDDF\"\r\n\"EDDM\"\r\n");
}
