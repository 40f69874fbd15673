#include "platform/Transfer.h"

#include "support/FtpServer.h"
#include "support/WidgetTest.h"

#include <QElapsedTimer>
#include <QTest>

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
        QString server, password;  // ftp_server.py's option
        std::chrono::milliseconds loginLimit;
        QString cause;  // empty: stored
    } cases[] = {
        {"--slow-greeting", "harrier77", 20s, ""},
        {"--slow-greeting", "harrier77", 300ms, cause::timeout},
        {"--slow-refusal", "falsch", 20s, cause::loginRefused},
        {"--refuse-after-receive", "harrier77", 20s, cause::notAccepted},
    };
    for (const auto &c : cases) {
        const test::TestServer server("ftp_server.py", {c.server});
        QElapsedTimer clock;
        clock.start();
        const auto sent = platform::makeCurlTransfer()->upload(
            {test::ftpUrl(server), "E.crm", {"volmira-apt", c.password}, "<xml/>", 20s, c.loginLimit}, false);
        EXPECT_EQ(sent.error(), c.cause) << c.server.toStdString();
        EXPECT_LT(clock.elapsed(), c.loginLimit.count() + 1000) << c.server.toStdString();
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
