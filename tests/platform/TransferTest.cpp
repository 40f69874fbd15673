#include "platform/OnlineConfig.h"
#include "platform/Transfer.h"
#include "platform/VersionSource.h"

#include "support/QtPrinters.h"
#include "support/TestServer.h"
#include "support/WidgetTest.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

using namespace volmira;
using namespace std::chrono_literals;
using platform::transfer_cause::loginRefused, platform::transfer_cause::notAccepted,
    platform::transfer_cause::timeout, platform::transfer_cause::unreachable;

namespace {

const platform::Credentials kAccount{"volmira-apt", "harrier77"};

QString url(const QString &host, const char *path) { return "http://" + host + path; }

std::unique_ptr<platform::Transfer> curl() { return platform::makeCurlTransfer(); }

}  // namespace

TEST(CurlFetch, Status200IsTheOnlyAnswerAndEveryFailureHasItsCause) {
    test::TestServer &server = test::httpServer();
    server.put("v/4096.txt", QByteArray(4096, 'a'));
    server.put("v/4097.txt", QByteArray(4097, 'a'));
    server.put("v/bytes.txt", QByteArray("1.0.4\0\xff\r\n", 9));
    const QString closed = QStringLiteral("127.0.0.1:%1").arg(test::closedPort());
    const struct {
        QString url;
        platform::Credentials credentials;
        std::chrono::milliseconds limit;
        QByteArray body;  // empty: a failure
        QString cause;
        int atMostMs;
    } cases[] = {
        {url(server.host(), "/v/bytes.txt"), kAccount, 5000ms, QByteArray("1.0.4\0\xff\r\n", 9), "", 1000},
        {url(server.host(), "/v/4096.txt"), kAccount, 5000ms, QByteArray(4096, 'a'), "", 1000},
        {url(server.host(), "/v/4097.txt"), kAccount, 5000ms, {}, notAccepted, 1000},
        {url(server.host(), "/v/missing.txt"), kAccount, 5000ms, {}, notAccepted, 1000},  // 404 "x"
        {url(server.host(), "/v/bytes.txt"), {"volmira-apt", "falsch"}, 5000ms, {}, loginRefused, 1000},
        {url(server.host(), "/v/bytes.txt"), {}, 5000ms, {}, loginRefused, 1000},
        {url(closed, "/v/bytes.txt"), kAccount, 5000ms, {}, unreachable, 1000},
        {url(test::silentHttpServer().host(), "/v/bytes.txt"), kAccount, 500ms, {}, timeout, 1000},
    };
    const std::atomic<bool> go{false};
    for (const auto &c : cases) {
        QElapsedTimer clock;
        clock.start();
        const platform::Result<QByteArray> got = curl()->fetch({c.url, c.credentials, c.limit}, go);
        EXPECT_LE(clock.elapsed(), c.atMostMs) << c.url.toStdString();
        EXPECT_EQ(got.error(), c.cause) << c.url.toStdString();
        if (got) {
            EXPECT_EQ(*got, c.body) << c.url.toStdString();
        }
    }
}

// For its event loop.
using TransferRunnerTest = test::WidgetTest;

TEST_F(TransferRunnerTest, DeliversOnItsOwnThreadAndClosingAbortsAndJoinsWithinASecond) {
    const std::unique_ptr<platform::Transfer> transfer = curl();
    test::httpServer().put("v/prog.txt", "1.0.4");

    std::optional<platform::Result<QByteArray>> answer;
    {
        platform::TransferRunner runner(*transfer);
        runner.fetch({url(test::httpServer().host(), "/v/prog.txt"), kAccount},
                     [&](platform::Result<QByteArray> r) {
                         EXPECT_EQ(QThread::currentThread(), qApp->thread());
                         answer = r;
                     });
        EXPECT_TRUE(runner.busy());
        EXPECT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 2000));
        EXPECT_FALSE(runner.busy());
    }
    ASSERT_TRUE(answer && *answer);
    EXPECT_EQ(**answer, "1.0.4");

    bool called = false;
    QElapsedTimer clock;
    {
        auto runner = std::make_unique<platform::TransferRunner>(*transfer);
        runner->fetch({url(test::silentHttpServer().host(), "/v/prog.txt"), kAccount},
                      [&](platform::Result<QByteArray>) { called = true; });
        QTest::qWait(200);
        clock.start();
    }
    EXPECT_LT(clock.elapsed(), 1000);
    QCoreApplication::processEvents();
    EXPECT_FALSE(called);
}

TEST(DownloadVersionSource, AsksBothFilesWithTheAccountAndTellsWhyNot) {
    test::TestServer &server = test::httpServer();
    qputenv("VOLMIRA_APT_DOWNLOAD_HOST", server.host().toUtf8());
    const std::unique_ptr<platform::Transfer> transfer = curl();
    platform::DownloadVersionSource site(*transfer);
    const std::atomic<bool> go{false};

    server.put("APT/download/version-prog.txt", "1.0.4");
    server.put("APT/download/version-data.txt", "15.01.2011");
    const auto both = site.fetch(go);
    ASSERT_TRUE(both) << both.error().toStdString();
    EXPECT_EQ(std::tuple(both->program, both->data), std::tuple(QString("1.0.4"), QString("15.01.2011")));

    QFile::remove(server.root() + "/APT/download/version-data.txt");
    EXPECT_EQ(site.fetch(go).error(), "Die Versionsprüfung ist fehlgeschlagen: Datei nicht angenommen.");

    // The time limit covers both questions.
    qputenv("VOLMIRA_APT_DOWNLOAD_HOST", test::silentHttpServer().host().toUtf8());
    platform::DownloadVersionSource hurried(*transfer, 400ms);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(hurried.fetch(go).error(), "Die Versionsprüfung ist fehlgeschlagen: Zeitüberschreitung.");
    EXPECT_LT(clock.elapsed(), 900);
    qunsetenv("VOLMIRA_APT_DOWNLOAD_HOST");
    EXPECT_EQ(platform::online::downloadUrl(platform::online::kProgramVersionPath),
              "http://www.volmira.example/APT/download/version-prog.txt");
}
