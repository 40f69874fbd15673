// "Neue Daten schicken": the file, its upload to a real FTP server on the
// loopback, the outcome and the mail link.
#include "support/Files.h"
#include "support/FtpServer.h"
#include "support/ManagerWindowFixture.h"

#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QUrlQuery>

using namespace volmira;

namespace {

struct Send : test::ManagerWindowTest {
    void SetUp() override {
        ManagerWindowTest::SetUp();
        t.clock.set(QDateTime(QDate(2026, 3, 5), QTime(14, 30, 59)));
        test::expectOk(t.db.exec("UPDATE ARPT SET LastDate = '2026-03-01' WHERE ICAO IN ('ZZZ', 'EDKO')").error());
    }
    QString exportCrm(const QString &folder = {}) const {
        return QDir(folder.isEmpty() ? t.folder() : folder).filePath("export.crm");
    }
    // Sends over the real transfer to `server` and waits for the outcome.
    void sendTo(const QString &url, const QString &user = "volmira-apt") {
        curl = platform::makeCurlTransfer();
        transfer = curl.get();
        send.ftpUrl = url;
        send.ftpUser = user;
        open("EDDF");
        click();
    }
    void click() {
        QSignalSpy status(window.get(), &manager::frmDatabase::statusMessage);
        window->cmdSend->click();
        EXPECT_EQ(status.count(), 0);  // the click does not wait for the upload
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window->sending(); }, 10000));
        statusLines.clear();
        for (const QList<QVariant> &line : status) statusLines << line.at(0).toString();
    }
    std::unique_ptr<platform::Transfer> curl;
    QStringList statusLines;
};

}  // namespace

TEST_F(Send, NothingChangedSendsNothingAndLeavesAnOlderFile) {
    test::writeFile(exportCrm(), "older");
    test::expectOk(t.db.exec("UPDATE ARPT SET LastDate = NULL").error());
    open("");
    test::expectOk(t.db.exec("UPDATE ARPT SET LastDate = NULL").error());  // the airport window's start stamped one
    window->activate();
    window->cmdSend->click();
    EXPECT_EQ(test::readFile(exportCrm()), "older");
    EXPECT_TRUE(scripted.uploaded().empty());
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Send, TheFileArrivesByteForByteUnderTheClocksNameAndTheStatusBarSaysSo) {
    test::FtpServer &server = test::FtpServer::shared();
    sendTo(server.url());
    EXPECT_EQ(server.files(), QStringList{"Export-Mrz05-2026-14:30.crm"});
    EXPECT_EQ(test::fileHash(server.stored("Export-Mrz05-2026-14:30.crm")), test::fileHash(exportCrm()));
    EXPECT_EQ(statusLines, QStringList{"Die Daten wurden als Export-Mrz05-2026-14:30.crm übertragen."});
    EXPECT_TRUE(dialogs.shown.empty());
    ASSERT_EQ(shell.opened.size(), 1u);  // the mail follows the upload's start

    // Twice in a minute: the same name, the second file replaces the first.
    const QByteArray first = test::readFile(exportCrm());
    test::expectOk(t.db.exec("UPDATE ARPT SET LastDate = '2026-03-02' WHERE ICAO = 'EDDM'").error());
    t.clock.set(QDateTime(QDate(2026, 3, 5), QTime(14, 30, 1)));
    window->activate();
    click();
    EXPECT_EQ(server.files(), QStringList{"Export-Mrz05-2026-14:30.crm"});
    const QByteArray second = test::readFile(server.stored("Export-Mrz05-2026-14:30.crm"));
    EXPECT_TRUE(second.contains("EDDM") && !first.contains("EDDM"));
    EXPECT_EQ(second, test::readFile(exportCrm()));
}

TEST_F(Send, AFailedUploadIsToldWithItsCauseAndTheFileStays) {
    test::FtpServer readOnly(true);
    const struct { QString url, user, cause; } cases[] = {
        {test::FtpServer::shared().url(), "jemand", "Anmeldung abgelehnt"},
        {readOnly.url(), "volmira-apt", "Datei nicht angenommen"},
        {"ftp://127.0.0.1:9", "volmira-apt", "Server nicht erreichbar"},  // nobody listens there
    };
    for (const auto &c : cases) {
        dialogs.shown.clear();
        sendTo(c.url, c.user);
        ASSERT_EQ(dialogs.shown.size(), 1u) << c.cause.toStdString();
        EXPECT_EQ(dialogs.shown[0].title, "Übertragung fehlgeschlagen");
        EXPECT_EQ(dialogs.shown[0].text, "Die Datei export.crm konnte nicht übertragen werden: " + c.cause + ".");
        EXPECT_TRUE(statusLines.isEmpty());
        EXPECT_TRUE(test::readFile(exportCrm()).contains("EDKO"));
    }
    EXPECT_TRUE(test::FtpServer::shared().files().isEmpty());
    EXPECT_TRUE(readOnly.files().isEmpty());
}

TEST_F(Send, AFailedExportStopsBeforeUploadAndMail) {
    ASSERT_TRUE(QDir(t.folder()).mkdir("export.crm"));  // no file can take its name
    open("EDDF");
    window->cmdSend->click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.startsWith("Die Datei „export.crm“ kann nicht geschrieben werden"))
        << dialogs.shown[0].text.toStdString();
    EXPECT_FALSE(window->sending());
    EXPECT_TRUE(scripted.uploaded().empty());
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(Send, TheMailLinkDecodesToTheExactBodyWhateverTheFolderIsCalled) {
    for (const QString name : {"Mein Ordner", "Flüge", "A&B", "Nr#1", "100%", "C++", "a=b?c"}) {
        const QString folder = QDir(t.folder()).filePath(name);
        ASSERT_TRUE(QDir().mkpath(folder));
        shell.opened.clear();
        open("EDDF", folder);
        window->cmdSend->click();
        ASSERT_EQ(shell.opened.size(), 1u) << name.toStdString();
        const QString link = shell.opened[0];
        ASSERT_TRUE(link.startsWith("mailto:support@volmira.example?")) << link.toStdString();
        QMap<QString, QString> fields;  // each field decoded on its own: "&" in the body is no separator
        for (const QString &field : link.mid(link.indexOf('?') + 1).split('&'))
            fields[field.section('=', 0, 0)] = QUrl::fromPercentEncoding(field.section('=', 1).toLatin1());
        EXPECT_EQ(fields.keys(), (QStringList{"Body", "Subject"}));
        EXPECT_EQ(fields["Subject"], "Flugplatz Daten");
        EXPECT_EQ(fields["Body"], "Bitte hängen Sie die Datei Export.crm im Verzeichnis: " + folder +
                                      " an diese email. Vielen Dank für Ihre Unterstützung.");
        EXPECT_TRUE(QFileInfo::exists(exportCrm(folder)));
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Send, AMailProgramThatDoesNotOpenIsToldWithTheFileToSend) {
    shell.openSucceeds = false;
    open("EDDF");
    click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Das E-Mail-Programm konnte nicht geöffnet werden. Bitte senden Sie die Datei " +
                                         exportCrm() + " an support@volmira.example.");
    EXPECT_EQ(scripted.uploaded().size(), 1u);  // the upload goes on
}
