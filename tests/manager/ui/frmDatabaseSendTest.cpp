// "Neue Daten schicken" uploading to a real FTP server on the loopback, and its mail link.
#include "support/Files.h"
#include "support/FtpServer.h"
#include "support/ManagerWindowFixture.h"

#include <QPushButton>
#include <QSignalSpy>

#include <thread>

using namespace volmira;

namespace {

struct Send : test::ManagerWindowTest {
    void SetUp() override {
        ManagerWindowTest::SetUp();
        test::expectOk(t.db.exec("UPDATE ARPT SET LastDate = '2026-03-01' WHERE ICAO IN ('ZZZ', 'EDKO')").error());
        t.clock.set(QDateTime(QDate(2026, 3, 5), QTime(14, 30, 59)));
        transfer = curl.get();
    }
    // A click on a new window sending to `url`: it does not wait for the upload;
    // the status lines once the upload ended.
    QStringList click(const QString &url, const QString &user = "volmira-apt") {
        send.ftpUrl = url;
        send.ftpUser = user;
        QSignalSpy status(&open("EDDF"), &manager::frmDatabase::statusMessage);
        window->cmdSend->click();
        EXPECT_TRUE(status.isEmpty() && window->sending());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window->sending(); }, 10000));
        return status.isEmpty() ? QStringList() : QStringList{status[0][0].toString()};
    }
    std::unique_ptr<platform::Transfer> curl = platform::makeCurlTransfer();
    const QString exportCrm = t.folder() + "/export.crm", remote = "Export-Mrz05-2026-14:30.crm";
};

}  // namespace

TEST_F(Send, TheFileArrivesByteForByteUnderTheClocksNameAndASecondInTheMinuteReplacesIt) {
    const test::TestServer &server = test::ftpServer();
    for (const QTime time : {QTime(14, 30, 59), QTime(14, 30)}) {  // the second with EDDM changed too
        t.clock.set(QDateTime(QDate(2026, 3, 5), time));
        EXPECT_EQ(click(test::ftpUrl(server)), QStringList{"Die Daten wurden als " + remote + " übertragen."});
        EXPECT_EQ(test::storedFiles(server), QStringList{remote});
        EXPECT_EQ(test::readFile(server.root.path() + "/" + remote), test::readFile(exportCrm));
        test::expectOk(t.db.exec("UPDATE ARPT SET LastDate = '2026-03-02' WHERE ICAO = 'EDDM'").error());
    }
    EXPECT_TRUE(test::readFile(exportCrm).contains("EDDM"));
}

TEST_F(Send, AFailedUploadIsToldWithItsCauseAndTheFileStays) {
    const struct { QString url, user, cause; } cases[] = {
        {test::ftpUrl(test::ftpServer()), "jemand", "Anmeldung abgelehnt"},
        {QStringLiteral("ftp://127.0.0.1:%1").arg(test::closedPort()), "volmira-apt", "Server nicht erreichbar"}};
    for (const auto &c : cases) {
        EXPECT_TRUE(click(c.url, c.user).isEmpty());
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].title + ": " + dialogs.shown[0].text,
                  "Übertragung fehlgeschlagen: Die Datei export.crm konnte nicht übertragen werden: " + c.cause + ".");
        EXPECT_TRUE(test::readFile(exportCrm).contains("EDKO"));
    }
}

TEST_F(Send, AServerGoneMidUploadIsToldAtOnceAndTheFileStaysWhole) {
    test::expectOk(t.db.exec("INSERT INTO MyInfo (ICAO, Category, MyInfo, PrintInfo) VALUES "
                             "('EDKO', 'Kontakt', hex(randomblob(16000000)), '')").error());  // a long upload
    auto server = std::make_unique<test::TestServer>("ftp_server.py", QStringList());
    send.ftpUrl = test::ftpUrl(*server);
    open("EDDF").cmdSend->click();
    const QString arrived = server->root.path() + "/" + remote;  // watched closely: the loopback carries it in a blink
    for (int i = 0; i < 100'000 && QFileInfo(arrived).size() == 0; ++i)
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    EXPECT_LT(QFileInfo(arrived).size(), QFileInfo(exportCrm).size());
    server.reset();  // gone mid-upload
    // Well under the 20 s a stalled transfer waits, with room for a loaded machine.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->sending(); }, 10'000));
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().text,
              "Die Datei export.crm konnte nicht übertragen werden: Server nicht erreichbar.");
    EXPECT_TRUE(test::readFile(exportCrm).endsWith("</xml>"));
}

TEST_F(Send, AMailNotOpenedIsToldWithTheFileAndAFailedExportStopsBeforeUploadAndMail) {
    shell.openSucceeds = false;
    click(QStringLiteral("ftp://127.0.0.1:%1").arg(test::closedPort()));
    EXPECT_EQ(dialogs.shown[0].text, "Das E-Mail-Programm konnte nicht geöffnet werden. Bitte senden Sie die Datei " +
                                         exportCrm + " an support@volmira.example.");
    ASSERT_TRUE(QFile::remove(exportCrm) && QDir().mkdir(exportCrm));  // no file can take the name
    window->cmdSend->click();
    EXPECT_TRUE(dialogs.shown.back().text.startsWith("Die Datei „export.crm“ kann nicht geschrieben werden"));
    EXPECT_FALSE(window->sending());
    EXPECT_EQ(shell.opened.size(), 1u);
}

TEST(SendMail, TheLinkDecodesToTheExactBodyWhateverTheFolderIsCalled) {
    for (const QString folder : {"/home/a b", "/Flüge", "/A&B", "/Nr#1", "/100%", "/C++", "/a=b?c"}) {
        const QString link = manager::exportMailLink("support@volmira.example", folder);
        QMap<QString, QString> fields;  // "&" and "=" in the folder are encoded: no separators
        for (const QString &field : link.section('?', 1).split('&'))
            fields[field.section('=', 0, 0)] = QUrl::fromPercentEncoding(field.section('=', 1).toLatin1());
        EXPECT_EQ(link.section('?', 0, 0), "mailto:support@volmira.example");
        EXPECT_EQ(fields, (QMap<QString, QString>{{"Subject", "Flugplatz Daten"},
                                                 {"Body", "Bitte hängen Sie die Datei Export.crm im Verzeichnis: " +
                                                              folder + " an diese email. Vielen Dank für Ihre "
                                                                       "Unterstützung."}}));
    }
}
