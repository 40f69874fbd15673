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

// Without an updater the download page opens and the program goes on; with one it ends for it.
TEST_F(Startup, UpdateEntryOpensTheDownloadPageOrStartsTheUpdaterAndCloses) {
    qputenv("VOLMIRA_APT_DOWNLOAD_HOST", "127.0.0.1:9");
    QTemporaryDir folder;
    app::Main main(*t.store, dialogs, shell, t.folder(), folder.path(), true);
    main.show();
    main.mnuUpdate->trigger();
    EXPECT_EQ(shell.opened, std::vector<QString>{"http://127.0.0.1:9/APT/download/"});
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title + ": " + dialogs.shown[0].text,
              "Update vorhanden: Es ist kein Update-Programm installiert. Die Download-Seite "
              "http://127.0.0.1:9/APT/download/ wurde im Browser geöffnet.");
    EXPECT_TRUE(main.isVisible());
    test::writeFile(folder.filePath("update"), "#!/bin/sh\n");
    QFile::setPermissions(folder.filePath("update"), QFile::ReadOwner | QFile::ExeOwner);
    main.mnuUpdate->trigger();
    EXPECT_EQ(shell.started.at(0).program, folder.filePath("update"));
    EXPECT_FALSE(main.isVisible());
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
