#include "platform/AtomicFile.h"

#include "support/FullDisk.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace volmira;

namespace {

QByteArray contentOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(keine Datei)");
}

}  // namespace

// A full disk fails the same way; the command-line tests fill a small one.
TEST(AtomicFile, AFailingWriteIsReportedInGermanAndLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Apt.crm");
    ASSERT_TRUE(platform::writeFileAtomically(path, "alt"));
    {
        test::FileSizeLimit limit(64 * 1024);
        platform::AtomicFile file(path);
        ASSERT_TRUE(file.open());
        for (int i = 0; i < 70; ++i) file.write(QByteArray(1000, 'n'));  // the last bytes fail
        const platform::Result<> written = file.commit();
        EXPECT_EQ(written.error(), "Die Datei „Apt.crm“ kann nicht geschrieben werden: Die Datei ist zu groß.");
    }
    EXPECT_EQ(contentOf(path), "alt");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Apt.crm"});  // no temporary file left
}
