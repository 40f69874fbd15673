// Export and import on the command line when the target or the disk fails them.
#include "support/Command.h"
#include "support/Files.h"
#include "support/FullDisk.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace volmira;
using test::fileHash;
using Outcome = test::CommandResult;

namespace {

struct ExchangeFaults : ::testing::Test {
    QTemporaryDir data, files;
    QString file(const QString &name) const { return files.filePath(name); }
};

}  // namespace

TEST_F(ExchangeFaults, AnExportOntoAPipeIsRefusedAndThePipeStays) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(file("pipe")).constData(), 0600), 0);
    const Outcome refused = test::runCommand(data.path(), {"export", file("pipe"), "--icao", "EDDF"});
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_TRUE(refused.err.contains("keine gewöhnliche Datei")) << refused.err.toStdString();
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(file("pipe")).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

TEST_F(ExchangeFaults, WithAFullDiskExportAndImportFailWithExitThreeAndLeaveTheOldFiles) {
    test::FullDisk disk(40 * 1024 * 1024);  // the database, its copy and the import's copy
    if (!disk.mounted()) GTEST_SKIP() << test::FullDisk::skipReason().toStdString();
    ASSERT_EQ(test::runCommand(disk.path(), {"export", file("update.crm"), "--icao", "EDHN,EDDF"}).exitCode, 0);
    ASSERT_EQ(test::runCommand(disk.path(), {"export", disk.filePath("alt.crm"), "--icao", "EDHN"}).exitCode, 0);
    const Outcome first = test::runCommand(disk.path(), {"import", file("update.crm")});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains("Zeilen ohne Flughafen:"));
    QStringList kept{"alt.crm", "vmdata.vmd", "vmdata.vmd.bak", "UpdateInfo.crm"};
    std::vector<QByteArray> before;
    for (const QString &name : kept) before.push_back(fileHash(disk.filePath(name)));
    disk.fill();

    const Outcome exported = test::runCommand(disk.path(), {"export", disk.filePath("alt.crm"), "--icao", "EDDF"});
    EXPECT_EQ(exported.exitCode, 3);
    EXPECT_TRUE(exported.err.contains("Der Datenträger ist voll.")) << exported.err.toStdString();
    const Outcome imported = test::runCommand(disk.path(), {"import", file("update.crm")});
    EXPECT_EQ(imported.exitCode, 3);
    EXPECT_TRUE(imported.err.contains("Der Datenträger ist voll.")) << imported.err.toStdString();
    for (qsizetype i = 0; i < kept.size(); ++i) EXPECT_EQ(fileHash(disk.filePath(kept[i])), before[size_t(i)]) << kept[i].toStdString();
}
