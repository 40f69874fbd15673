// send through the real executable on the shipped database, to a real FTP server on the loopback.
#include "support/Command.h"
#include "support/Files.h"
#include "support/FtpServer.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira;
using test::runCommand;

namespace {

struct SendCli : ::testing::Test {
    void SetUp() override { ASSERT_EQ(runCommand(data.path(), {"countries"}).exitCode, 0); }
    // The server the executable sends to.
    static void sendTo(const test::FtpServer &server) { qputenv("VOLMIRA_APT_FTP_URL", server.url().toUtf8()); }
    QString exportCrm() const { return data.filePath("export.crm"); }
    QTemporaryDir data;
};

}  // namespace

TEST_F(SendCli, PutsTheFileByteForByteUnderItsRemoteNameAndSendsNothingWhenNothingChanged) {
    test::FtpServer &server = test::FtpServer::shared();
    sendTo(server);
    const test::CommandResult none = runCommand(data.path(), {"send"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.err.contains("Keine aktualisierten Daten vorhanden")) << none.err.toStdString();
    EXPECT_FALSE(QFile::exists(exportCrm()));
    EXPECT_TRUE(server.files().isEmpty());

    const QString file = data.filePath("F.crm");
    const test::CommandResult sent = runCommand(data.path(), {"send", file, "--icao", "EDDF,EDST", "--json"});
    ASSERT_EQ(sent.exitCode, 0) << sent.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(sent.out).object();
    EXPECT_EQ(json["file"].toString(), file);
    EXPECT_EQ(json["airports"].toInt(), 2);
    EXPECT_GT(json["records"].toInt(), 2);
    const QString remote = json["remoteName"].toString();
    EXPECT_TRUE(QRegularExpression(R"(^Export-(Jan|Feb|Mrz|Apr|Mai|Jun|Jul|Aug|Sep|Okt|Nov|Dez)\d\d-\d{4}-\d\d:\d\d\.crm$)")
                    .match(remote)
                    .hasMatch())
        << remote.toStdString();
    EXPECT_EQ(server.files(), QStringList{remote});
    EXPECT_EQ(test::fileHash(server.stored(remote)), test::fileHash(file));
    EXPECT_TRUE(json["mailto"].toString().startsWith("mailto:support@volmira.example?Subject=Flugplatz%20Daten&Body="));
}

TEST_F(SendCli, ARefusedUploadEndsWithItsCauseAndTheFileStays) {
    test::FtpServer readOnly(true);
    sendTo(readOnly);
    const test::CommandResult refused = runCommand(data.path(), {"send", "--all"});
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_EQ(refused.err.trimmed(), "Die Datei export.crm konnte nicht übertragen werden: Datei nicht angenommen.");
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_GT(QFile(exportCrm()).size(), 10'000'000);
}

TEST_F(SendCli, AKillWhileSendingLeavesExportCrmWhole) {
    const test::FtpServer &server = test::FtpServer::shared();
    sendTo(server);
    ASSERT_EQ(runCommand(data.path(), {"export", "--icao", "EDST"}).exitCode, 0);
    const QByteArray older = test::readFile(exportCrm());
    ASSERT_EQ(runCommand(data.path(), {"export", exportCrm() + ".eddf", "--icao", "EDDF"}).exitCode, 0);
    const QByteArray newer = test::readFile(exportCrm() + ".eddf");
    // Killed with the new file complete beside the old one: the old one stays;
    // killed before the upload: the new one is there whole.
    const struct { const char *variable, *stage; const QByteArray &left; } cases[] = {
        {"VOLMIRA_EXPORT_PAUSE", "commit", older}, {"VOLMIRA_SEND_PAUSE", "upload", newer}};
    for (const auto &c : cases) {
        ASSERT_TRUE(test::runKilledAt(data.path(), {"send", "--icao", "EDDF"}, c.variable, c.stage)) << c.stage;
        EXPECT_EQ(test::readFile(exportCrm()), c.left) << c.stage;
        EXPECT_TRUE(server.files().isEmpty());
    }
}
