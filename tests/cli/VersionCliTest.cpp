// check-version against the local HTTP test server, on a copy of the shipped database.
#include "support/Command.h"
#include "support/Files.h"
#include "support/TestServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Version.h"

using namespace volmira::test;

namespace {

QJsonObject checkVersion(const QString &dataDir, const QString &host, int *exitCode, qint64 *ms) {
    qputenv("VOLMIRA_APT_DOWNLOAD_HOST", host.toUtf8());
    QElapsedTimer clock;
    clock.start();
    const CommandResult r = runCommand(dataDir, {"check-version", "--json"});
    *ms = clock.elapsed();
    *exitCode = r.exitCode;
    return QJsonDocument::fromJson(r.out).object();
}

}  // namespace

TEST(CheckVersionCommand, ExitsByTheAnswerPrintsEveryFieldAndChangesNothing) {
    QTemporaryDir dir;
    TestServer &site = httpServer();
    int exitCode = -1;
    qint64 ms = 0;
    // The first command copies the shipped database; its version is the local one.
    const QString local = checkVersion(dir.path(), "127.0.0.1:1", &exitCode, &ms)["DatabaseVersion"].toString();
    ASSERT_FALSE(local.isEmpty());
    const QByteArray before = fileHash(dir.filePath("vmdata.vmd"));
    const QString closed = QStringLiteral("127.0.0.1:%1").arg(closedPort());

    const struct {
        const char *program;  // nullptr: no such file on the site
        QString data;
        QString host;
        int exitCode;
        bool vm, db;
        const char *error;  // nullptr: none
        qint64 atMostMs;
    } cases[] = {
        {volmira::kProgramVersion, local, site.host(), 0, false, false, nullptr, 2000},
        {"1.0.4", local, site.host(), 1, true, false, nullptr, 2000},
        {volmira::kProgramVersion, "15.01.2099", site.host(), 1, false, true, nullptr, 2000},
        {nullptr, local, site.host(), 3, false, false, "Die Versionsprüfung ist fehlgeschlagen: Datei nicht angenommen.",
         2000},
        {"1.0.4", local, closed, 3, false, false, "Die Versionsprüfung ist fehlgeschlagen: Server nicht erreichbar.",
         2000},
        {"1.0.4", local, silentHttpServer().host(), 3, false, false,
         "Die Versionsprüfung ist fehlgeschlagen: Zeitüberschreitung.", 8000},
    };
    for (const auto &c : cases) {
        const auto row = &c - cases;
        QFile::remove(site.root() + "/APT/download/version-prog.txt");
        if (c.program) site.put("APT/download/version-prog.txt", c.program);
        site.put("APT/download/version-data.txt", c.data.toUtf8());
        const QJsonObject got = checkVersion(dir.path(), c.host, &exitCode, &ms);
        EXPECT_EQ(exitCode, c.exitCode) << row;
        EXPECT_LT(ms, c.atMostMs) << row;
        EXPECT_EQ(got["ProgramVersion"].toString(), volmira::kProgramVersion) << row;
        EXPECT_EQ(got["DatabaseVersion"].toString(), local) << row;
        EXPECT_EQ(got["lblVMUpdate"].toBool(), c.vm) << row;
        EXPECT_EQ(got["lblDBUpdate"].toBool(), c.db) << row;
        EXPECT_EQ(got["UpdateAvailable"].toBool(), c.vm || c.db) << row;
        EXPECT_EQ(got["error"].toString(), c.error) << row;
        // Fetched: the site's texts; else null.
        EXPECT_EQ(got["OnlineProgVersion"].isNull(), c.error != nullptr) << row;
        EXPECT_EQ(got["OnlineDataVersion"].toString(), c.error ? QString() : c.data) << row;
    }
    qunsetenv("VOLMIRA_APT_DOWNLOAD_HOST");
    EXPECT_EQ(fileHash(dir.filePath("vmdata.vmd")), before);
}
