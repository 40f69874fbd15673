#include "platform/DataFolder.h"

#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira::platform;
using volmira::test::readFile;
using volmira::test::writeFile;

TEST(DataFolder, CommandLineThenEnvironmentThenPortableThenPerUser) {
    QTemporaryDir exe;
    qunsetenv("VOLMIRA_APT_HOME");
    EXPECT_TRUE(resolveDataFolder({}, exe.path()).endsWith("/volmira-apt"));

    writeFile(QDir(exe.path()).filePath("vmdata.vmd"), "x");  // a portable install
    EXPECT_EQ(resolveDataFolder({}, exe.path()), exe.path());

    qputenv("VOLMIRA_APT_HOME", "/tmp/volmira-home");
    EXPECT_EQ(resolveDataFolder({}, exe.path()), "/tmp/volmira-home");
    EXPECT_EQ(resolveDataFolder("/tmp/volmira-cli", exe.path()), "/tmp/volmira-cli");
    qunsetenv("VOLMIRA_APT_HOME");
}

// The user's own database and settings (Apt.crm) are never replaced by the shipped ones.
TEST(DataFolder, CopiesTheShippedDatabaseAndSettingsOnlyWhenThereAreNone) {
    QTemporaryDir exe, home;
    const QString data = QDir(home.path()).filePath("neu/tief");
    const QString database = QDir(data).filePath("vmdata.vmd"), settings = QDir(data).filePath(kShippedSettings);
    EXPECT_EQ(prepareDataFolder(data, exe.path()).error(), QString());  // nothing shipped: the caller reports it
    EXPECT_FALSE(QFile::exists(database));

    writeFile(QDir(exe.path()).filePath(kShippedDatabase), "shipped");
    writeFile(QDir(exe.path()).filePath(kShippedSettings), "\"EDHN\"\r\n");
    EXPECT_EQ(prepareDataFolder(data, exe.path()).error(), QString());
    EXPECT_EQ(readFile(database), "shipped");
    EXPECT_EQ(readFile(settings), "\"EDHN\"\r\n");

    writeFile(database, "the user's own");
    writeFile(settings, "\"EDDF\"\r\n");
    EXPECT_EQ(prepareDataFolder(data, exe.path()).error(), QString());
    EXPECT_EQ(readFile(database), "the user's own");
    EXPECT_EQ(readFile(settings), "\"EDDF\"\r\n");
}

// An installed program finds the shipped files under share/ of its prefix, from
// bin/ (the commands) and from libexec/volmira-apt/ (the desktop program).
TEST(DataFolder, FindsTheShippedFilesOfAnInstallation) {
    QTemporaryDir prefix;
    const QDir root(prefix.path());
    const QString share = root.filePath("share/volmira-apt");
    QDir().mkpath(share);
    QDir().mkpath(root.filePath("bin"));
    QDir().mkpath(root.filePath("libexec/volmira-apt"));
    writeFile(QDir(share).filePath(kShippedDatabase), "shipped");
    EXPECT_EQ(installedFilesFolder(root.filePath("bin")), share);
    EXPECT_EQ(installedFilesFolder(root.filePath("libexec/volmira-apt")), share);

    writeFile(root.filePath(QStringLiteral("bin/") + kShippedDatabase), "build folder");  // beside the executable first
    EXPECT_EQ(installedFilesFolder(root.filePath("bin")), root.filePath("bin"));
}
