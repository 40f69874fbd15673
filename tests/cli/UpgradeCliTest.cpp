#include "store/Database.h"
#include "store/Schema.h"

#include "support/Command.h"
#include "support/Files.h"
#include "support/TableDump.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira;

namespace {

// What a reader finds, after rolling back what a killed writer left.
QStringList readBack(const QString &path) {
    store::Database db;
    const platform::Result<> opened = db.open(path, store::Database::Mode::ReadOnly);
    return opened ? test::dumpFile(db) : QStringList{opened.error()};
}

}  // namespace

TEST(UpgradeCli, AKillAnywhereInAnUpgradeLeavesTheOldFileOrTheNewAndTheNextStartFinishes) {
    QTemporaryDir dir;
    const QString old = dir.filePath("old.vmd"), upgraded = dir.filePath("new.vmd");
    test::writeFormatFile(old, 1);
    test::writeFormatFile(upgraded, store::kSchemaVersion);
    // A change command opens for writing; the code it is given does not exist.
    const QStringList command{"delete", "ZZZZ", "--yes"};
    for (const char *stage : {"backup", "begun", "stepped", "numbered", "committed"}) {
        QTemporaryDir data;
        const QString path = data.filePath("vmdata.vmd");
        ASSERT_TRUE(QFile::copy(old, path));
        ASSERT_TRUE(test::runKilledAt(data.path(), command, "VOLMIRA_UPGRADE_PAUSE", stage)) << stage;
        const bool committed = QByteArray(stage) == "committed";
        EXPECT_EQ(readBack(path), readBack(committed ? upgraded : old)) << stage;
        EXPECT_EQ(test::readFile(path + ".format1.bak"), test::readFile(old)) << stage;

        const test::CommandResult next = test::runCommand(data.path(), command);
        EXPECT_EQ(next.exitCode, 1) << next.err.toStdString();
        EXPECT_EQ(next.err.startsWith(store::upgradingMessage() + "\n"), !committed) << next.err.toStdString();
        EXPECT_EQ(readBack(path), readBack(upgraded)) << stage;
    }
}
