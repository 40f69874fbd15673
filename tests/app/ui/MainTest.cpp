#include "app/ui/Main.h"
#include "app/ui/frmSplash.h"
#include "browser/ui/frmAirport.h"
#include "platform/Dialogs.h"
#include "platform/VersionSource.h"

#include "support/QtPrinters.h"
#include "support/TempDatabase.h"
#include "support/WidgetApplication.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace volmira;

namespace {

struct MainWindow : ::testing::Test {
    MainWindow() {
        test::ensureWidgetApplication();
        t.add(t.airport("EDHN", "Neumünster"));
        t.add(t.airport("EDDF", "Frankfurt"));
        t.add(t.airport("ETHN", "Niederstetten"));
    }
    QByteArray lastAirportFile() const {
        QFile file(t.folder() + "/Apt.crm");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    test::TempDatabase t;
    platform::FakeDialogs dialogs;
};

QStringList menuEntries(const app::Main &main) {
    QStringList entries;
    for (const QAction *action : main.menuBar()->actions())
        entries << action->objectName() + "=" + action->text() +
                       (!action->isVisible() ? " (hidden)" : action->isEnabled() ? "" : " (inert)");
    return entries;
}

}  // namespace

TEST_F(MainWindow, MenuHoldsTheAirportEntryBetweenSpacersAndTheUpdateEntryOnlyWhenOneIsAvailable) {
    app::Main plain(*t.store, dialogs, t.folder(), false);
    EXPECT_EQ(menuEntries(plain), (QStringList{"mnuempty1= (inert)", "mnuempty2= (inert)", "mnuFlughafen=Flughafen",
                                               "mnuempty3= (inert)", "mnuempty4= (inert)",
                                               "mnuUpdate=Update vorhanden (hidden)"}));
    EXPECT_TRUE(menuEntries(app::Main(*t.store, dialogs, t.folder(), true)).endsWith("mnuUpdate=Update vorhanden"));
}

TEST_F(MainWindow, TheAirportEntryShowsTheAirportWindowAndTheTitleIsItsLastChangeLine) {
    app::Main main(*t.store, dialogs, t.folder(), false);
    EXPECT_EQ(main.airportWindow(), nullptr);
    main.mnuFlughafen->trigger();
    browser::frmAirport *airport = main.airportWindow();
    ASSERT_NE(airport, nullptr);
    // First run without Apt.crm: the designer code is looked up.
    EXPECT_TRUE(main.windowTitle().startsWith("Volmira ETHN")) << main.windowTitle().toStdString();

    airport->tAirport->setText("EDDF");
    QTest::keyClick(airport->tAirport, Qt::Key_Return);
    EXPECT_TRUE(main.windowTitle().startsWith("Volmira EDDF" + QString(27, ' ') + "Letzte Aktualisierung - "));
    main.mnuFlughafen->trigger();  // the same window again, not a second one
    EXPECT_EQ(main.airportWindow(), airport);
}

TEST_F(MainWindow, ClosingSavesTheCodeShownInUpperCaseAndIsNeverRefused) {
    auto main = std::make_unique<app::Main>(*t.store, dialogs, t.folder(), false);
    main->show();
    main->showAirportWindow();
    EXPECT_EQ(lastAirportFile(), "\"EDHN\"\r\n");  // written by the first run
    main->airportWindow()->tAirport->setText("eddf");  // typed, never confirmed
    EXPECT_TRUE(main->close());
    EXPECT_EQ(lastAirportFile(), "\"EDDF\"\r\n");

    // The next start opens where the last one ended.
    app::Main next(*t.store, dialogs, t.folder(), false);
    EXPECT_EQ(next.showAirportWindow().tAirport->text(), "EDDF");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MainWindow, TheUsersFirstResizeCentresTheAirportWindow) {
    app::Main main(*t.store, dialogs, t.folder(), false);
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

TEST_F(MainWindow, TheSplashHandsOverAfterTwoSecondsOfARealEventLoop) {
    QElapsedTimer loaded;
    loaded.start();
    platform::FakeVersionSource versions;
    app::frmSplash splash(*t.store, dialogs, versions, t.folder());
    QSignalSpy handedOver(&splash, &app::frmSplash::handedOver);
    splash.show();
    ASSERT_TRUE(handedOver.wait(4000));
    EXPECT_GE(loaded.elapsed(), 1800);  // a coarse timer may fire up to 5 % early
    EXPECT_FALSE(splash.isVisible());
}
