// The start-up with the version check in the background, and the hand-off to the updater.
#include "app/StartupCheck.h"
#include "app/UpdateHandoff.h"
#include "app/ui/Main.h"
#include "app/ui/frmSplash.h"
#include "platform/ui/DesktopShell.h"

#include "support/Files.h"
#include "support/UpdateFile.h"
#include "support/WidgetTest.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>

using namespace volmira;
using namespace std::chrono_literals;

namespace {

struct Startup : test::WidgetTest {
    platform::FakeVersionSource site;
    app::StartupCheck check{site};

    bool answered() { return QTest::qWaitFor([&] { return check.isAnswered(); }, 3000); }
    static int pictureTop(app::frmSplash &splash) {
        splash.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&splash));
        QCoreApplication::processEvents();  // the layout follows a moved margin
        return splash.Picture1->mapTo(&splash, QPoint()).y();
    }
};

}  // namespace

TEST_F(Startup, ASilentSiteHoldsNothingAndALateAnswerShowsNoticesAndTheEntry) {
    site.answer = platform::OnlineVersionTexts{"1.0.4", "21.04.2030"};
    site.delay = 400ms;
    app::frmSplash splash(*t.store, dialogs, check, t.folder());
    EXPECT_FALSE(check.isAnswered());  // the load step did not wait
    EXPECT_EQ(pictureTop(splash), 40);  // 600 twips
    EXPECT_TRUE(splash.lblVMUpdate->isHidden() && splash.lblDBUpdate->isHidden());
    app::Main main(*t.store, dialogs, shell, t.folder(), t.folder(), false);
    main.followVersionCheck(check);
    EXPECT_FALSE(main.mnuUpdate->isVisible());

    ASSERT_TRUE(answered());
    EXPECT_TRUE(main.mnuUpdate->isVisible());
    EXPECT_FALSE(splash.lblVMUpdate->isHidden() || splash.lblDBUpdate->isHidden());
    EXPECT_EQ(pictureTop(splash), 64);  // 960 twips
}

TEST_F(Startup, AShippedUpdateWaitsForTheAnswerHoldsClicksAndStoresTheSiteDataVersion) {
    t.add(t.airport("EDAA", "Alt"));
    test::UpdateFile().airport("EDAA", "Neu").save(t.folder() + "/aptdata.vmd");
    site.answer = platform::OnlineVersionTexts{"1.0.4", "05.12.2010"};
    site.delay = 400ms;
    app::frmSplash splash(*t.store, dialogs, check, t.folder());
    app::Main main(*t.store, dialogs, shell, t.folder(), t.folder(), false);
    main.followVersionCheck(check);
    QSignalSpy handedOver(&splash, &app::frmSplash::handedOver);
    splash.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return splash.activated(); }));
    EXPECT_TRUE(splash.importWaiting() && splash.progbar->isVisible());
    EXPECT_EQ(splash.progbar->value(), 0);
    QTest::mouseClick(splash.Frame1, Qt::LeftButton);
    splash.Timer1_Timer();
    EXPECT_EQ(handedOver.count(), 0);
    EXPECT_EQ(t.store->reads.airportByIcao("EDAA").value()->Name, "Alt");
    ASSERT_TRUE(answered());
    EXPECT_EQ(t.store->reads.airportByIcao("EDAA").value()->Name, "Neu");
    EXPECT_EQ(t.store->lists.version().value()->DatabaseVersion, "05.12.2010");
    EXPECT_EQ(handedOver.count(), 1);  // the held click
    EXPECT_TRUE(main.mnuUpdate->isVisible());  // the import does not hide it
}

// Without an updater the download page opens; with one the program ends for it.
TEST_F(Startup, UpdateEntryStartsTheUpdaterAndClosesOrOpensTheDownloadPage) {
    qputenv("VOLMIRA_APT_DOWNLOAD_HOST", "127.0.0.1:9");
    const QString page = "http://127.0.0.1:9/APT/download/";
    QTemporaryDir folder;
    app::Main main(*t.store, dialogs, shell, t.folder(), folder.path(), true);
    main.show();
    const QString updater = folder.filePath("update");
    const struct {
        bool installed;
        bool succeeds;
        QString told;  // empty: the program ended for the updater
    } cases[] = {
        {false, true, "Es ist kein Update-Programm installiert. Die Download-Seite " + page +
                          " wurde im Browser geöffnet."},
        {false, false, "Es ist kein Update-Programm installiert, und die Download-Seite " + page +
                           " konnte nicht geöffnet werden."},
        {true, false, "Das Update-Programm " + updater + " konnte nicht gestartet werden."},
        {true, true, ""},
    };
    for (const auto &c : cases) {
        if (c.installed) {
            test::writeFile(updater, "#!/bin/sh\n");
            QFile::setPermissions(updater, QFile::ReadOwner | QFile::ExeOwner);
        }
        shell.openSucceeds = shell.startSucceeds = c.succeeds;
        dialogs.shown.clear();
        main.mnuUpdate->trigger();
        EXPECT_EQ(dialogs.shown.empty() ? QString() : dialogs.shown[0].title + ": " + dialogs.shown[0].text,
                  c.told.isEmpty() ? QString() : "Update vorhanden: " + c.told);
        EXPECT_EQ(main.isVisible(), !c.told.isEmpty());
    }
    EXPECT_EQ(shell.opened, (std::vector<QString>{page, page}));
    EXPECT_EQ(std::tuple(shell.started.back().program, shell.started.back().workingFolder),
              std::tuple(updater, folder.path()));
    qunsetenv("VOLMIRA_APT_DOWNLOAD_HOST");
}

TEST(UpdateHandoff, TheRealShellRunsTheUpdaterOfTheProgramFolder) {
    QTemporaryDir folder;
    platform::DesktopShell shell;
    test::writeFile(folder.filePath("update"), "#!/bin/sh\necho \"$PWD\" > marker.part && mv marker.part marker.txt\n");
    QFile::setPermissions(folder.filePath("update"), QFile::ReadOwner | QFile::ExeOwner);
    ASSERT_TRUE(app::handOffUpdate(shell, folder.path()).updaterStarted);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(folder.filePath("marker.txt")); }, 5000));
    EXPECT_EQ(test::readFile(folder.filePath("marker.txt")).trimmed(), folder.path().toUtf8());
}
