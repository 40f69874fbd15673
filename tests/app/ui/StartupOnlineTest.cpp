// The start-up with the version check in the background, and the hand-off to the updater.
#include "app/StartupCheck.h"
#include "app/UpdateHandoff.h"
#include "app/ui/Main.h"
#include "app/ui/frmSplash.h"
#include "platform/Twips.h"
#include "platform/ui/DesktopShell.h"

#include "support/Files.h"
#include "support/UpdateFile.h"
#include "support/WidgetTest.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>

#include "Version.h"

using namespace volmira;
using namespace std::chrono_literals;
using platform::OnlineVersionTexts;

namespace {

struct Startup : test::WidgetTest {
    platform::FakeVersionSource site;
    app::StartupCheck check{site};

    bool answered() { return QTest::qWaitFor([&] { return check.isAnswered(); }, 3000); }
    int pictureTop(app::frmSplash &splash) {
        splash.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&splash));
        return splash.Picture1->mapTo(&splash, QPoint()).y();
    }
};

}  // namespace

TEST_F(Startup, TheNoticesAndPicture1FollowTheAnswer) {
    ASSERT_TRUE(t.store->edits.setDatabaseVersion("15.01.2011").ok());
    const QString now = volmira::kProgramVersion;
    const struct {
        platform::Result<OnlineVersionTexts> answer;
        bool vm, db;
    } cases[] = {
        {OnlineVersionTexts{now, "15.01.2011"}, false, false},
        {OnlineVersionTexts{"1.0.4", "15.01.2011"}, true, false},
        {OnlineVersionTexts{"1.0.4", "21.04.2012"}, true, true},
        {OnlineVersionTexts{"1.0.4\r\n", "2011-01-15 12:00"}, false, false},
        {OnlineVersionTexts{now, ""}, false, false},
        {platform::Failure{"Server nicht erreichbar"}, false, false},
    };
    for (const auto &c : cases) {
        const auto row = &c - cases;
        site.answer = c.answer;
        app::StartupCheck asked(site);
        app::frmSplash splash(*t.store, dialogs, asked, t.folder());
        ASSERT_TRUE(QTest::qWaitFor([&] { return asked.isAnswered(); }, 3000)) << row;
        EXPECT_EQ(!splash.lblVMUpdate->isHidden(), c.vm) << row;
        EXPECT_EQ(!splash.lblDBUpdate->isHidden(), c.db) << row;
        EXPECT_EQ(splash.updateAvailable(), c.vm || c.db) << row;
        EXPECT_EQ(pictureTop(splash), platform::toPixels({c.vm || c.db ? 960 : 600})) << row;
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Startup, ASilentSiteNeitherHoldsTheSplashNorTheHandOver) {
    site.delay = 60s;
    QElapsedTimer clock;
    clock.start();
    app::frmSplash splash(*t.store, dialogs, check, t.folder());
    EXPECT_LT(clock.elapsed(), 200);
    const int top = pictureTop(splash);
    EXPECT_EQ(top, platform::toPixels({600}));
    EXPECT_TRUE(splash.lblVMUpdate->isHidden());
    QSignalSpy handedOver(&splash, &app::frmSplash::handedOver);
    QTest::mouseClick(splash.Frame1, Qt::LeftButton);
    EXPECT_EQ(handedOver.count(), 1);
    EXPECT_FALSE(check.isAnswered());
}

TEST_F(Startup, UpdateEntryShowsWhenTheAnswerComesAfterTheHandOverAndStays) {
    site.answer = OnlineVersionTexts{"1.0.4", ""};
    site.delay = 300ms;
    app::frmSplash splash(*t.store, dialogs, check, t.folder());
    app::Main main(*t.store, dialogs, shell, t.folder(), t.folder(), false);
    main.followVersionCheck(check);
    EXPECT_FALSE(main.mnuUpdate->isVisible());
    ASSERT_TRUE(answered());
    EXPECT_TRUE(main.mnuUpdate->isVisible());

    app::Main later(*t.store, dialogs, shell, t.folder(), t.folder(), false);
    later.followVersionCheck(check);  // made after the answer
    EXPECT_TRUE(later.mnuUpdate->isVisible());
}

TEST_F(Startup, AShippedUpdateWaitsForTheAnswerAndHoldsClicksMeanwhile) {
    t.add(t.airport("EDAA", "Alt"));
    test::UpdateFile().airport("EDAA", "Neu").save(t.folder() + "/aptdata.vmd");
    site.answer = OnlineVersionTexts{"1.0.4", "05.12.2010"};
    site.delay = 400ms;
    app::frmSplash splash(*t.store, dialogs, check, t.folder());
    app::Main main(*t.store, dialogs, shell, t.folder(), t.folder(), false);
    main.followVersionCheck(check);
    QSignalSpy handedOver(&splash, &app::frmSplash::handedOver);
    splash.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return splash.activated(); }));

    EXPECT_TRUE(splash.importWaiting());
    EXPECT_FALSE(splash.progbar->isHidden());
    EXPECT_EQ(splash.progbar->value(), 0);
    QTest::mouseClick(splash.Frame1, Qt::LeftButton);
    splash.Timer1_Timer();
    EXPECT_EQ(handedOver.count(), 0);
    EXPECT_EQ(t.store->reads.airportByIcao("EDAA").value()->Name, "Alt");

    ASSERT_TRUE(answered());
    EXPECT_EQ(t.store->reads.airportByIcao("EDAA").value()->Name, "Neu");
    EXPECT_EQ(t.store->lists.version().value()->DatabaseVersion, "05.12.2010");
    EXPECT_EQ(handedOver.count(), 1);  // the held click
    EXPECT_FALSE(splash.updateAvailable());
    EXPECT_TRUE(main.mnuUpdate->isVisible());  // the import does not hide it
}

TEST_F(Startup, TheImportStoresTheSiteDataVersionOnlyWhenFetchedPlausibleAndADate) {
    const struct {
        platform::Result<OnlineVersionTexts> answer;
        const char *databaseVersion;
    } cases[] = {
        {OnlineVersionTexts{"1.0.3", "05.12.2010"}, "05.12.2010"},
        {OnlineVersionTexts{"1.0.3", "2010-12-05"}, "2010-12-05"},  // as fetched
        // Else the offline rule: the newest stamp of the file's records.
        {platform::Failure{"Server nicht erreichbar"}, "01.07.2026"},
        {OnlineVersionTexts{"1.0.3", "2011-01-15 12:00"}, "01.07.2026"},  // too long
        {OnlineVersionTexts{"1.0.3", "Not Found"}, "01.07.2026"},        // no date
        {OnlineVersionTexts{"1.0.3", ""}, "01.07.2026"},
    };
    for (const auto &c : cases) {
        const auto row = &c - cases;
        test::TempDatabase db;
        test::UpdateFile().airport("EDAA", "Neu", "2026-07-01").save(db.folder() + "/aptdata.vmd");
        site.answer = c.answer;
        app::StartupCheck asked(site);
        app::frmSplash splash(*db.store, dialogs, asked, db.folder());
        splash.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return splash.activated() && splash.progbar->isHidden(); }, 3000)) << row;
        EXPECT_EQ(db.store->lists.version().value()->DatabaseVersion, c.databaseVersion) << row;
        EXPECT_FALSE(QFile::exists(db.folder() + "/aptdata.vmd")) << row;
    }
}

TEST_F(Startup, UpdateEntryStartsTheUpdaterAndClosesOrTellsItIsMissing) {
    app::Main main(*t.store, dialogs, shell, t.folder(), "/opt/volmira", true);
    main.show();
    shell.startSucceeds = false;
    main.mnuUpdate->trigger();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Datei fehlt");
    EXPECT_EQ(dialogs.shown[0].text, "Die Datei - Update.exe - wurde nicht im Programmverzeichnis gefunden !");
    EXPECT_TRUE(main.isVisible());

    shell.startSucceeds = true;
    main.mnuUpdate->trigger();
    ASSERT_EQ(shell.started.size(), 2u);
    EXPECT_EQ(shell.started[1].program, "/opt/volmira/update");
    EXPECT_EQ(shell.started[1].workingFolder, "/opt/volmira");
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST(UpdateHandoff, TheRealShellRunsTheUpdaterOfTheProgramFolderAndFindsAMissingOne) {
    QTemporaryDir folder;
    platform::DesktopShell shell;
    EXPECT_EQ(app::startUpdater(shell, folder.path()).error(),
              "Die Datei - Update.exe - wurde nicht im Programmverzeichnis gefunden !");

    const QString updater = folder.filePath("update");
    test::writeFile(updater, "#!/bin/sh\necho \"$PWD\" > marker.txt\n");
    QFile::setPermissions(updater, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(app::startUpdater(shell, folder.path()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(folder.filePath("marker.txt")); }, 5000));
    EXPECT_EQ(test::readFile(folder.filePath("marker.txt")).trimmed(), folder.path().toUtf8());
}
