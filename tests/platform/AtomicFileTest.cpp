#include "platform/AtomicFile.h"

#include "support/FullDisk.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace volmira;

namespace {

QByteArray contentOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(keine Datei)");
}

// Writes 70 KB in small pieces, so that the last failing bytes are the last ones written.
platform::Result<> writeSeventyKilobytes(const QString &path) {
    platform::AtomicFile file(path);
    if (platform::Result<> opened = file.open(); !opened) return opened;
    for (int i = 0; i < 70; ++i) file.write(QByteArray(1000, 'n'));
    return file.commit();
}

void writeOld(const QString &path) {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("alt");
}

}  // namespace

TEST(AtomicFile, AFailingWriteIsReportedInGermanAndLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Apt.crm");
    writeOld(path);
    {
        test::FileSizeLimit limit(64 * 1024);
        const platform::Result<> written = writeSeventyKilobytes(path);
        EXPECT_EQ(written.error(), "Die Datei „Apt.crm“ kann nicht geschrieben werden: Die Datei ist zu groß.");
    }
    EXPECT_EQ(contentOf(path), "alt");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Apt.crm"});  // no temporary file left
}

TEST(AtomicFile, AFullDiskIsReportedInGermanAndLeavesTheOldFile) {
    test::FullDisk disk(64 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << disk.skipReason().toStdString();
    writeOld(disk.filePath("UpdateInfo.crm"));
    disk.fill();
    EXPECT_EQ(writeSeventyKilobytes(disk.filePath("UpdateInfo.crm")).error(),
              "Die Datei „UpdateInfo.crm“ kann nicht geschrieben werden: Der Datenträger ist voll.");
    EXPECT_EQ(contentOf(disk.filePath("UpdateInfo.crm")), "alt");
}

TEST(AtomicFile, APipeOrAFolderIsNotReplaced) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString &target : {pipe, dir.path()}) {
        EXPECT_TRUE(platform::writeFileAtomically(target, "neu").error().contains("keine gewöhnliche Datei"))
            << target.toStdString();
    }
    EXPECT_EQ(QFileInfo(pipe).isFile(), false);
    EXPECT_TRUE(QFileInfo(pipe).exists());
}
