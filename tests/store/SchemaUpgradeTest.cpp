#include "store/AirportReads.h"
#include "store/Database.h"
#include "store/MapStore.h"
#include "store/Schema.h"

#include "support/Files.h"
#include "support/QtPrinters.h"
#include "support/TableDump.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira;
using Mode = store::Database::Mode;

// A reader leaves an older file as it is (its steps only add); a writer
// upgrades it once, after its backup, to what a fresh file holds.
TEST(SchemaUpgrade, AnOlderFileIsReadAsItIsAndUpgradedOnceWithItsBackup) {
    QTemporaryDir dir;
    const QString path = dir.filePath("vmdata.vmd");
    test::writeFormatFile(path, store::kSchemaVersion);
    store::Database db;
    ASSERT_TRUE(db.open(path).ok());
    const QStringList fresh = test::dumpFile(db);
    for (int format = 1; format < store::kSchemaVersion; ++format) {
        test::writeFormatFile(path, format);
        const QByteArray before = test::readFile(path);
        ASSERT_EQ(db.open(path, Mode::ReadOnly).error(), "");
        EXPECT_EQ(store::AirportReads(db).findAirports("Frank").value().size(), 1u) << "by the name alone";
        const auto links = store::MapStore(db).ofAirport("EDDF").value();
        ASSERT_EQ(links.size(), 1u) << "map links in their new shape";
        EXPECT_EQ(links[0].File + ' ' + QString::number(links[0].Rotation) + links[0].ValidUntil, "eddf.pdf 0");
        EXPECT_EQ(test::readFile(path), before);
        std::vector<int> told;
        for (int open = 0; open < 2; ++open)
            ASSERT_EQ(db.open(path, Mode::ReadWrite, [&](int done, int) { told.push_back(done); }).error(), "");
        EXPECT_EQ(test::dumpFile(db).join(u'\n').toStdString(), fresh.join(u'\n').toStdString()) << format;
        // The words of the names stored before are found.
        const auto main = store::AirportReads(db).findAirports("Main").value();
        ASSERT_EQ(main.size(), 1u) << format;
        EXPECT_EQ(main[0].ICAO + ' ' + store::sourceText(main[0].source).toString(), "EDDF Wort im Namen");
        EXPECT_EQ(told.size(), size_t(store::kSchemaVersion - format + 1)) << "once: before the backup, each step";
        EXPECT_EQ(test::readFile(path + QStringLiteral(".format%1.bak").arg(format)), before) << format;
    }
    const store::SchemaStep changing[] = {{1, "Spalte umbenannt", "ALTER TABLE ARPT RENAME PR TO Circuit;", false}};
    EXPECT_TRUE(store::upgradeSchema(db, 1, false, changing, {}).error().contains("einmal mit Schreibrecht geöffnet"));
}

// A writer on a read-only file system reads an older file as a reader does.
TEST(SchemaUpgrade, AnOlderFileOnReadOnlyMediaIsReadAsItIs) {
    QTemporaryDir media;
    const QString path = media.filePath("vmdata.vmd");
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=4m", "none", media.path()}) != 0)
        GTEST_SKIP() << "no tmpfs mount without root";
    test::writeFormatFile(path, 1);
    const QByteArray before = test::readFile(path);
    ASSERT_EQ(QProcess::execute("mount", {"-o", "remount,ro", media.path()}), 0);
    store::Database db;
    EXPECT_EQ(db.open(path, Mode::ReadWrite).error(), "");
    EXPECT_EQ(test::readFile(path), before);
    db.close();
    QProcess::execute("umount", {media.path()});
}

// A writer converts a file with the password of earlier versions, but not one it refuses.
TEST(SchemaUpgrade, ANewerFileIsRefusedAndLeftByteForByte) {
    QTemporaryDir dir;
    const QString path = dir.filePath("vmdata.vmd");
    for (const Mode mode : {Mode::ReadWrite, Mode::ReadOnly}) {
        test::writeFormatFile(path, 99, true);
        const QByteArray before = test::readFile(path);
        store::Database db;
        EXPECT_EQ(db.open(path, mode).error(), "Die Datendatei " + path + " stammt von einer neueren Programmversion "
                                               "(Format 99, dieses Programm kennt " +
                                                   QString::number(store::kSchemaVersion) + ").");
        EXPECT_EQ(test::readFile(path), before);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"vmdata.vmd"});
    }
}
