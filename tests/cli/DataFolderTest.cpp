#include "platform/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira::platform;

namespace {
void write(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
}  // namespace

TEST(DataFolder, CommandLineThenEnvironmentThenPortableThenPerUser) {
    QTemporaryDir exe;
    qunsetenv("VOLMIRA_APT_HOME");
    EXPECT_TRUE(resolveDataFolder({}, exe.path()).endsWith("/volmira-apt"));

    write(QDir(exe.path()).filePath("vmdata.vmd"), "x");  // a portable install
    EXPECT_EQ(resolveDataFolder({}, exe.path()), exe.path());

    qputenv("VOLMIRA_APT_HOME", "/tmp/volmira-home");
    EXPECT_EQ(resolveDataFolder({}, exe.path()), "/tmp/volmira-home");
    EXPECT_EQ(resolveDataFolder("/tmp/volmira-cli", exe.path()), "/tmp/volmira-cli");
    qunsetenv("VOLMIRA_APT_HOME");
}

TEST(DataFolder, CopiesTheShippedDatabaseOnlyWhenThereIsNone) {
    QTemporaryDir exe, home;
    const QString data = QDir(home.path()).filePath("neu/tief");
    EXPECT_EQ(prepareDataFolder(data, exe.path()), QString());  // nothing shipped: the caller reports it
    EXPECT_FALSE(QFile::exists(QDir(data).filePath("vmdata.vmd")));

    write(QDir(exe.path()).filePath(kShippedDatabase), "shipped");
    EXPECT_EQ(prepareDataFolder(data, exe.path()), QString());
    QFile copied(QDir(data).filePath("vmdata.vmd"));
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), "shipped");
    copied.close();

    write(QDir(data).filePath("vmdata.vmd"), "the user's own");
    EXPECT_EQ(prepareDataFolder(data, exe.path()), QString());
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), "the user's own");
    EXPECT_EQ(QDir(data).entryList(QDir::Files), QStringList{"vmdata.vmd"});
}

TEST(DataFolder, ANewInstallationGetsTheShippedSettingsButNeverLosesTheUsers) {
    QTemporaryDir exe, fresh, upgraded;
    write(QDir(exe.path()).filePath(kShippedDatabase), "shipped");
    write(QDir(exe.path()).filePath(kShippedSettings), "\"EDHN\"\r\n");
    auto settings = [](const QString &folder) {
        QFile file(QDir(folder).filePath(kShippedSettings));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(keine)");
    };

    EXPECT_EQ(prepareDataFolder(fresh.path(), exe.path()), QString());
    EXPECT_EQ(settings(fresh.path()), "\"EDHN\"\r\n");

    // Settings left from an earlier installation are the user's.
    write(QDir(upgraded.path()).filePath(kShippedSettings), "\"EDDF\"\r\n");
    EXPECT_EQ(prepareDataFolder(upgraded.path(), exe.path()), QString());
    EXPECT_EQ(settings(upgraded.path()), "\"EDDF\"\r\n");

    // Once installed, a deleted settings file stays deleted: the airport window's first-run rule applies.
    QFile::remove(QDir(fresh.path()).filePath(kShippedSettings));
    EXPECT_EQ(prepareDataFolder(fresh.path(), exe.path()), QString());
    EXPECT_EQ(settings(fresh.path()), "(keine)");
}
