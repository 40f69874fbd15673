// The database manager's send inside the frame: the status bar, and closing during an upload.
#include "app/ui/Main.h"
#include "manager/ui/frmDatabase.h"

#include "support/AirportWindowFixture.h"
#include "support/FtpServer.h"
#include "support/SilentPort.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>

using namespace volmira;

namespace {

struct MainSend : test::AirportWindowTest {
    void SetUp() override {
        AirportWindowTest::SetUp();
        test::expectOk(t.db.exec("UPDATE ARPT SET LastDate = '2026-03-01' WHERE ICAO = 'EDKO'").error());
    }
    // The frame's manager sends to `url`; the click returns before the upload ends.
    std::unique_ptr<app::Main> sendTo(const QString &url) {
        qputenv("VOLMIRA_APT_FTP_URL", url.toUtf8());
        auto main = std::make_unique<app::Main>(*t.store, dialogs, shell, t.folder(), t.folder(), false);
        main->show();
        manager::frmDatabase &manager = main->showDatabaseWindow();
        manager.cmdSend->click();
        EXPECT_TRUE(manager.sending());
        return main;
    }
};

}  // namespace

TEST_F(MainSend, TheStatusBarTellsTheNameTheFileWasSentUnder) {
    const test::FtpServer &server = test::FtpServer::shared();
    std::unique_ptr<app::Main> main = sendTo(server.url());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !main->databaseWindow()->sending(); }, 10000));
    const QString line = main->statusBar()->currentMessage();
    EXPECT_TRUE(QRegularExpression(R"(^Die Daten wurden als Export-\w{3}\d\d-\d{4}-\d\d:\d\d\.crm übertragen\.$)")
                    .match(line)
                    .hasMatch())
        << line.toStdString();
    EXPECT_EQ(server.files().size(), 1);
    EXPECT_EQ(shell.opened.size(), 1u);
}

TEST_F(MainSend, ClosingDuringAnUploadToASilentServerEndsAtOnce) {
    test::SilentPort silent;
    ASSERT_GT(silent.port(), 0);
    std::unique_ptr<app::Main> main = sendTo(QStringLiteral("ftp://127.0.0.1:%1").arg(silent.port()));
    QTest::qWait(200);
    QElapsedTimer closing;
    closing.start();
    main.reset();
    EXPECT_LT(closing.elapsed(), 1000);
    EXPECT_TRUE(dialogs.shown.empty());
}
