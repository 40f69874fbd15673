// send through the real executable on the shipped database, to ftp_server.py.
#include "support/Command.h"
#include "support/Files.h"
#include "support/FtpServer.h"

#include <QJsonDocument>
#include <QJsonObject>

using namespace volmira;

TEST(SendCli, PutsTheFileUnderItsRemoteNameSendsNothingUnchangedAndAKillLeavesExportCrmWhole) {
    const test::TestServer &server = test::ftpServer();
    qputenv("VOLMIRA_APT_FTP_URL", test::ftpUrl(server).toUtf8());
    QTemporaryDir data;
    const QString exportCrm = data.filePath("export.crm"), file = data.filePath("F.crm");
    EXPECT_EQ(test::runCommand(data.path(), {"send"}).exitCode, 1);  // nothing changed: no file, no upload
    EXPECT_TRUE(!QFile::exists(exportCrm) && test::storedFiles(server).isEmpty());
    const test::CommandResult sent = test::runCommand(data.path(), {"send", file, "--icao", "EDDF,EDST", "--json"});
    const QString remote = QJsonDocument::fromJson(sent.out)["remoteName"].toString();
    EXPECT_EQ(test::storedFiles(server), QStringList{remote}) << sent.err.toStdString();
    EXPECT_EQ(test::fileHash(server.root.path() + "/" + remote), test::fileHash(file));
    // Killed with the new file complete beside the old one, or before the upload: a whole file.
    ASSERT_EQ(test::runCommand(data.path(), {"export", "--icao", "EDST"}).exitCode, 0);
    ASSERT_EQ(test::runCommand(data.path(), {"export", file, "--icao", "EDDF"}).exitCode, 0);
    const struct { const char *variable, *stage; QByteArray left; } cases[] = {
        {"VOLMIRA_EXPORT_PAUSE", "commit", test::readFile(exportCrm)},
        {"VOLMIRA_SEND_PAUSE", "upload", test::readFile(file)}};
    for (const auto &c : cases) {
        ASSERT_TRUE(test::runKilledAt(data.path(), {"send", "--icao", "EDDF"}, c.variable, c.stage)) << c.stage;
        EXPECT_EQ(test::readFile(exportCrm), c.left) << c.stage;
    }
}
