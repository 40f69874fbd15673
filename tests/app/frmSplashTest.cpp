#include "app/MapFolders.h"
#include "app/frmSplash.h"
#include "platform/Dialogs.h"

#include "support/TempDatabase.h"
#include "support/WidgetApplication.h"

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "Version.h"

using namespace volmira;

namespace {

struct Splash : ::testing::Test {
    Splash() { test::ensureWidgetApplication(); }
    test::TempDatabase t;
    platform::FakeDialogs dialogs;
};

}  // namespace

TEST(MapFolders, CreatesOnlyTheMissingOnesParentFirst) {
    QTemporaryDir dir;
    EXPECT_EQ(app::createMapFolders(dir.path()).created, app::kMapFolders);
    EXPECT_TRUE(app::createMapFolders(dir.path()).created.isEmpty());

    QDir(dir.filePath("Karten/PDF")).removeRecursively();
    EXPECT_EQ(app::createMapFolders(dir.path()).created, QStringList{"Karten/PDF"});

    QTemporaryDir blocked;
    QFile file(blocked.filePath("Karten"));  // a file where the folder belongs
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(app::createMapFolders(blocked.path()).error.contains("Karten"));
}

TEST_F(Splash, LoadsFoldersAndVersionAndHandsOverOnTheFirstTickOrAClick) {
    app::frmSplash splash(*t.store, dialogs, t.folder());
    EXPECT_EQ(splash.lblVersion->text(), QStringLiteral("Version ") + volmira::kProgramVersion);
    EXPECT_TRUE(QDir(t.folder()).exists("Karten/Luftbilder"));
    EXPECT_EQ(QDir::currentPath(), QDir(t.folder()).canonicalPath());
    EXPECT_TRUE(splash.lblVMUpdate->isHidden());

    QSignalSpy handedOver(&splash, &app::frmSplash::handedOver);
    splash.show();
    EXPECT_TRUE(splash.progbar->isHidden());
    EXPECT_EQ(t.store->version()->ProgramVersion, volmira::kProgramVersion);

    // While the progress bar shows (an import), a tick only re-arms the timer.
    splash.progbar->show();
    splash.Timer1_Timer();
    EXPECT_EQ(handedOver.count(), 0);
    EXPECT_TRUE(splash.Timer1.isActive());
    EXPECT_EQ(splash.Timer1.interval(), 2000);

    splash.progbar->hide();
    splash.Timer1_Timer();
    EXPECT_EQ(handedOver.count(), 1);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Splash, AClickOnTheFrameHandsOverAtOnce) {
    app::frmSplash splash(*t.store, dialogs, t.folder());
    QSignalSpy handedOver(&splash, &app::frmSplash::handedOver);
    splash.show();
    splash.progbar->show();  // even during an import
    QTest::mouseClick(splash.Frame1, Qt::LeftButton);
    EXPECT_EQ(handedOver.count(), 1);
}
