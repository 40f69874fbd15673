#include "platform/AtomicFile.h"

#include "support/Files.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

using namespace volmira;

// A full disk fails the same way; the command-line tests fill a small one.
TEST(AtomicFile, AFailingWriteIsReportedInGermanAndLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Apt.crm");
    ASSERT_TRUE(platform::writeFileAtomically(path, "alt"));
    {
        // Writes beyond 64 KiB fail with EFBIG instead of ending the process.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit before{};
        ::getrlimit(RLIMIT_FSIZE, &before);
        const rlimit limited{64 * 1024, before.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limited);
        const auto restore = qScopeGuard([&] { ::setrlimit(RLIMIT_FSIZE, &before); });
        platform::AtomicFile file(path);
        ASSERT_TRUE(file.open());
        for (int i = 0; i < 70; ++i) file.write(QByteArray(1000, 'n'));  // the last bytes fail
        const platform::Result<> written = file.commit();
        EXPECT_EQ(written.error(), "Die Datei „Apt.crm“ kann nicht geschrieben werden: Die Datei ist zu groß.");
    }
    EXPECT_EQ(test::readFile(path), "alt");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Apt.crm"});  // no temporary file left
}
