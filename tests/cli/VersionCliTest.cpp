// check-version against the local HTTP test server, on a copy of the shipped database.
#include "support/Command.h"
#include "support/Files.h"
#include "support/TestServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace volmira::test;

TEST(CheckVersionCommand, ExitsByTheAnswerPrintsEveryFieldAndChangesNothing) {
    QTemporaryDir dir;
    TestServer &site = httpServer();
    auto check = [&](const QString &host, qint64 atMostMs) {
        qputenv("VOLMIRA_APT_DOWNLOAD_HOST", host.toUtf8());
        QElapsedTimer clock;
        clock.start();
        const CommandResult r = runCommand(dir.path(), {"check-version", "--json"});
        EXPECT_LT(clock.elapsed(), atMostMs) << host.toStdString();
        return std::pair(r.exitCode, QJsonDocument::fromJson(r.out).object());
    };
    // The first command copies the shipped database; its versions are the local ones.
    const QJsonObject local = check(QStringLiteral("127.0.0.1:%1").arg(closedPort()), 2000).second;
    const QByteArray before = fileHash(dir.filePath("vmdata.vmd"));
    const struct {
        QString program, data, host;
        int exitCode;
        const char *changed;  // the field that turned true, or the error
        qint64 atMostMs;
    } cases[] = {
        {local["ProgramVersion"].toString(), local["DatabaseVersion"].toString(), site.host(), 0, "", 2000},
        {"1.0.4", local["DatabaseVersion"].toString(), site.host(), 1, "lblVMUpdate", 2000},
        {QString(4097, u'9'), "01.01.2031", site.host(), 1, "lblDBUpdate", 2000},  // the data compared all the same
        {"1.0.4", "", httpServer(true).host(), 3, "Die Versionsprüfung ist fehlgeschlagen: Zeitüberschreitung.", 8000},
    };
    for (const auto &c : cases) {
        QFile::remove(site.root.filePath("APT/download/version-prog.txt"));
        if (!c.program.isEmpty()) site.put("APT/download/version-prog.txt", c.program.toUtf8());
        site.put("APT/download/version-data.txt", c.data.toUtf8());
        const auto [exitCode, got] = check(c.host, c.atMostMs);
        EXPECT_EQ(exitCode, c.exitCode) << c.changed;
        EXPECT_EQ(got.keys().join(' '), "DatabaseVersion OnlineDataVersion OnlineProgVersion ProgramVersion "
                                        "UpdateAvailable error lblDBUpdate lblVMUpdate");
        EXPECT_EQ(got["error"].toString(), c.exitCode == 3 ? c.changed : "");
        EXPECT_EQ(got[c.changed].toBool() && got["UpdateAvailable"].toBool(), c.exitCode == 1);
        EXPECT_EQ(got["OnlineProgVersion"].isNull(), c.exitCode == 3);
    }
    EXPECT_EQ(local["error"].toString(), "Die Versionsprüfung ist fehlgeschlagen: Server nicht erreichbar.");
    EXPECT_EQ(fileHash(dir.filePath("vmdata.vmd")), before);
}
