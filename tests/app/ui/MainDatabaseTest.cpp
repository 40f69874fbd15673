#include "app/ui/Main.h"
#include "manager/ui/frmDatabase.h"

#include "support/AirportWindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QMenuBar>

using namespace volmira;

using MainDatabase = test::AirportWindowTest;

TEST_F(MainDatabase, TheDatabaseEntryStandsBetweenTheSpacersBeforeTheUpdate) {
    app::Main main(*t.store, dialogs, shell, t.folder(), t.folder(), false);
    QStringList names;
    for (const QAction *action : main.menuBar()->actions()) names << action->objectName();
    EXPECT_EQ(names.mid(names.indexOf("mnuFlughafen")).join(" "),
              "mnuFlughafen mnuempty3 mnuempty4 mnuDatabase mnuempty5 mnuempty6 mnuUpdate");
    EXPECT_EQ(main.mnuDatabase->text(), "&Datenbank");
}

TEST_F(MainDatabase, AResizeWhileTheManagerShowsStillLaysOutTheAirportWindow) {
    app::Main main(*t.store, dialogs, shell, t.folder(), t.folder(), false);
    main.resize(1100, 650);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    const QWidget *page = main.showAirportWindow().findChild<QWidget *>("frmAPT");
    QCoreApplication::processEvents();
    main.mnuDatabase->trigger();
    EXPECT_EQ(main.windowTitle(), "Datenbank");
    const QPoint before = page->pos();
    main.resize(1400, 900);
    QCoreApplication::processEvents();
    main.mnuAirportWindow->trigger();  // the hidden window gets the new size now
    QCoreApplication::processEvents();
    EXPECT_GT(page->pos().x(), before.x());
    EXPECT_TRUE(main.windowTitle().startsWith("Volmira EDDF"));
}

TEST_F(MainDatabase, LeavingTheManagerAndClosingKeepTheFilterInDbsCrm) {
    auto main = std::make_unique<app::Main>(*t.store, dialogs, shell, t.folder(), t.folder(), false);
    main->show();
    main->showAirportWindow();
    manager::frmDatabase &manager = main->showDatabaseWindow();
    manager.chkType[1]->setChecked(false);
    main->mnuAirportWindow->trigger();
    EXPECT_EQ(test::readFile(QDir(t.folder()).filePath("dbs.crm")), "1\r\n1\r\n1\r\n0\r\n\"0\"\r\n");
    main->showDatabaseWindow().chkSurf[0]->setChecked(false);
    EXPECT_TRUE(main->close());
    EXPECT_EQ(test::readFile(QDir(t.folder()).filePath("dbs.crm")), "0\r\n1\r\n1\r\n0\r\n\"0\"\r\n");
}
