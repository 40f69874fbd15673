#include "platform/Transfer.h"

#include "support/Files.h"
#include "support/FtpServer.h"
#include "support/WidgetTest.h"

#include <QElapsedTimer>
#include <QTest>

#include <future>

using namespace volmira;
using namespace std::chrono_literals;
namespace cause = platform::transfer_cause;

namespace {
const platform::Credentials kAccount{"volmira-apt", "harrier77"};
}

TEST(CurlFetch, Status200IsTheOnlyAnswerAndEveryFailureHasItsCause) {
    test::TestServer &site = test::httpServer();
    site.put("v/4096", QByteArray(4096, 'a'));
    site.put("v/4097", QByteArray(4097, 'a'));
    site.put("v/bytes", QByteArray("1.0.4\0\xff\r\n", 9));
    const QString closed = QStringLiteral("127.0.0.1:%1").arg(test::closedPort());
    const struct {
        QString host, path;
        QString password;
        std::chrono::milliseconds limit;
        QByteArray body;
        QString cause;  // empty: the body
    } cases[] = {
        {site.host(), "/v/bytes", "harrier77", 5000ms, QByteArray("1.0.4\0\xff\r\n", 9), ""},
        {site.host(), "/v/4096", "harrier77", 5000ms, QByteArray(4096, 'a'), ""},
        {site.host(), "/v/4097", "harrier77", 5000ms, {}, cause::notAccepted},
        {site.host(), "/v/missing", "harrier77", 5000ms, {}, cause::notAccepted},  // 404 "x"
        {site.host(), "/v/bytes", "falsch", 5000ms, {}, cause::loginRefused},      // 401
        {closed, "/v/bytes", "harrier77", 5000ms, {}, cause::unreachable},
        {test::httpServer(true).host(), "/v/bytes", "harrier77", 500ms, {}, cause::timeout},
    };
    const std::atomic<bool> go{false};
    for (const auto &c : cases) {
        QElapsedTimer clock;
        clock.start();
        const auto got =
            platform::makeCurlTransfer()->fetch({"http://" + c.host + c.path, {"volmira-apt", c.password}, c.limit}, go);
        EXPECT_LT(clock.elapsed(), 1000) << c.path.toStdString();
        EXPECT_EQ(got.error(), c.cause) << c.path.toStdString();
        EXPECT_EQ(got ? *got : QByteArray(), c.body) << c.path.toStdString();
    }
}

TEST(CurlUpload, ASlowGreetingOrRefusalIsWaitedForAndARefusedFileIsNotAnUnreachableServer) {
    const struct {
        QStringList server;  // ftp_server.py's options
        QString password;
        std::chrono::milliseconds loginLimit;
        QString cause;  // empty: stored
        qint64 atMostMs;
    } cases[] = {
        {{}, "harrier77", 20s, "", 1000},
        {{"--greeting-delay", "2.5"}, "harrier77", 20s, "", 4000},
        {{"--greeting-delay", "2.5"}, "harrier77", 300ms, cause::timeout, 1500},
        {{"--refusal-delay", "2.5"}, "falsch", 20s, cause::loginRefused, 4000},
        {{"--refuse-after-receive", "451"}, "harrier77", 20s, cause::notAccepted, 1000},
        {{"--refuse-after-receive", "452"}, "harrier77", 20s, cause::notAccepted, 1000},
    };
    // Side by side, so the slow servers cost their delay once.
    std::vector<std::future<std::pair<platform::Result<void>, qint64>>> uploads;
    for (const auto &c : cases) {
        platform::UploadRequest request;
        request.serverUrl = test::ftpUrl(test::ftpServer(c.server));
        request.remoteName = QStringLiteral("E%1.crm").arg(&c - cases);
        request.credentials = {"volmira-apt", c.password};
        request.data = "<xml/>";
        request.loginLimit = c.loginLimit;
        uploads.push_back(std::async(std::launch::async, [request] {
            const std::atomic<bool> go{false};
            QElapsedTimer clock;
            clock.start();
            platform::Result<void> result = platform::makeCurlTransfer()->upload(request, go);
            return std::pair(result, clock.elapsed());
        }));
    }
    for (const auto &c : cases) {
        const auto row = &c - cases;
        const auto [result, elapsed] = uploads[row].get();
        EXPECT_EQ(result.error(), c.cause) << row;
        EXPECT_LT(elapsed, c.atMostMs) << row;
        if (c.cause.isEmpty())
            EXPECT_EQ(test::readFile(test::ftpServer(c.server).root.filePath(QStringLiteral("E%1.crm").arg(row))),
                      "<xml/>") << row;
    }
}

using TransferRunnerTest = test::WidgetTest;  // for the event loop

TEST_F(TransferRunnerTest, ClosingAbortsAndJoinsWithinASecondWithoutAnAnswer) {
    const auto transfer = platform::makeCurlTransfer();
    bool called = false;
    QElapsedTimer clock;
    {
        platform::TransferRunner runner(*transfer);
        runner.fetch({"http://" + test::httpServer(true).host() + "/v/prog", kAccount},
                     [&](platform::Result<QByteArray>) { called = true; });
        QTest::qWait(200);
        clock.start();
    }
    EXPECT_LT(clock.elapsed(), 1000);
    QCoreApplication::processEvents();
    EXPECT_FALSE(called);
}
