#include "app/MapFolders.h"
#include "app/StartupCheck.h"
#include "app/ui/frmSplash.h"
#include "platform/VersionSource.h"

#include "support/Files.h"
#include "support/UpdateFile.h"
#include "support/WidgetTest.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>

#include "Version.h"

using namespace volmira;

namespace {

// Shows the splash and lets it paint, which starts its activation step.
void showAndActivate(app::frmSplash &splash) {
    splash.show();
    for (int i = 0; i < 200 && !splash.activated(); ++i) QTest::qWait(5);
    ASSERT_TRUE(splash.activated());
}

struct Splash : test::WidgetTest {
    platform::FakeVersionSource versions;
    app::StartupCheck check{versions};
};

}  // namespace

TEST(MapFolders, CreatesOnlyTheMissingOnesParentFirst) {
    QTemporaryDir dir;
    EXPECT_EQ(app::createMapFolders(dir.path()).created, app::kMapFolders);
    EXPECT_TRUE(app::createMapFolders(dir.path()).created.isEmpty());

    QDir(dir.filePath("Karten/PDF")).removeRecursively();
    EXPECT_EQ(app::createMapFolders(dir.path()).created, QStringList{"Karten/PDF"});

    QTemporaryDir blocked;
    test::writeFile(blocked.filePath("Karten"), "");  // a file where the folder belongs
    EXPECT_TRUE(app::createMapFolders(blocked.path()).error.contains("Karten"));
}

TEST_F(Splash, LoadsFoldersAndVersionAndHandsOverOnTheFirstTickOrAClick) {
    app::frmSplash splash(*t.store, dialogs, check, t.folder());
    EXPECT_EQ(splash.lblVersion->text(), QStringLiteral("Version ") + volmira::kProgramVersion);
    EXPECT_EQ(QDir::currentPath(), QDir(t.folder()).canonicalPath());
    ASSERT_TRUE(QTest::qWaitFor([&] { return check.isAnswered(); }));
    EXPECT_EQ(versions.asked, 1);
    EXPECT_FALSE(splash.updateAvailable());

    QSignalSpy handedOver(&splash, &app::frmSplash::handedOver);
    showAndActivate(splash);
    EXPECT_TRUE(splash.progbar->isHidden());
    EXPECT_EQ(t.store->lists.version().value()->ProgramVersion, volmira::kProgramVersion);

    // While the progress bar shows (an import), a tick only re-arms the timer.
    splash.progbar->show();
    splash.Timer1_Timer();
    EXPECT_EQ(handedOver.count(), 0);
    EXPECT_TRUE(splash.Timer1.isActive());

    // Without one the next tick of a real event loop hands over.
    splash.progbar->hide();
    ASSERT_TRUE(handedOver.wait(4000));
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Splash, AClickOnTheFrameHandsOverAtOnce) {
    app::frmSplash splash(*t.store, dialogs, check, t.folder());
    QSignalSpy handedOver(&splash, &app::frmSplash::handedOver);
    splash.show();
    splash.progbar->show();  // even during an import
    QTest::mouseClick(splash.Frame1, Qt::LeftButton);
    EXPECT_EQ(handedOver.count(), 1);
}

TEST_F(Splash, AShippedUpdateIsAnnouncedImportedWithProgressAndDeleted) {
    t.add(t.airport("EDAA", "Alt"));
    const QString file = test::UpdateFile().airport("EDAA", "Neu").frequency("EDAA", "TOWER").save(t.folder() + "/aptdata.vmd");
    versions.answer = platform::OnlineVersionTexts{volmira::kProgramVersion, "01.12.2026"};
    app::frmSplash splash(*t.store, dialogs, check, t.folder());
    ASSERT_TRUE(QTest::qWaitFor([&] { return check.isAnswered(); }));
    EXPECT_FALSE(splash.lblDBUpdate->isHidden());
    EXPECT_TRUE(splash.updateAvailable());
    QSignalSpy progress(splash.progbar, &QProgressBar::valueChanged);
    showAndActivate(splash);

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Es wurde ein Update für die Datenbank gefunden. Die Datenbank wird aktualisert");
    QList<int> values;
    for (const auto &signal : progress) values << signal[0].toInt();
    EXPECT_EQ(values, (QList<int>{0, 25, 50, 75, 100}));
    EXPECT_EQ(t.store->reads.airportByIcao("EDAA").value()->Name, "Neu");
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(splash.progbar->isHidden());
    EXPECT_FALSE(splash.updateAvailable());
    EXPECT_EQ(t.store->lists.version().value()->DatabaseVersion, "01.12.2026");

    QSignalSpy handedOver(&splash, &app::frmSplash::handedOver);
    splash.Timer1_Timer();
    EXPECT_EQ(handedOver.count(), 1);
}

TEST_F(Splash, ADamagedUpdateChangesNothingAndIsKeptAside) {
    t.add(t.airport("EDAA", "Alt"));
    test::writeFile(t.folder() + "/aptdata.vmd", "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882'><s:Schema");
    app::frmSplash splash(*t.store, dialogs, check, t.folder());
    ASSERT_TRUE(QTest::qWaitFor([&] { return check.isAnswered(); }));  // the import waits for the answer
    showAndActivate(splash);

    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.shown[1].text.contains("Die Datenbank wurde nicht verändert."));
    EXPECT_TRUE(dialogs.shown[1].text.contains("aptdata.vmd.fehler"));
    EXPECT_EQ(t.store->reads.airportByIcao("EDAA").value()->Name, "Alt");
    EXPECT_FALSE(QFile::exists(t.folder() + "/aptdata.vmd"));
    EXPECT_TRUE(QFile::exists(t.folder() + "/aptdata.vmd.fehler"));
    EXPECT_FALSE(QFile::exists(t.folder() + "/UpdateInfo.crm"));
    EXPECT_TRUE(splash.progbar->isHidden());
}
