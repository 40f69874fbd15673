#include "platform/instance/SingleInstance.h"
#include "support/WidgetTest.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>

using namespace volmira;
using platform::HandoverReader;
using State = HandoverReader::State;

TEST(Handover, MessagesFromAnotherProcessAreReadOnlyWhenWellFormed) {
    const struct {
        QList<QByteArray> pieces;
        State state;
        const char *code;
    } cases[] = {
        {{"show EDDF\n"}, State::Complete, "EDDF"},
        {{"show\n"}, State::Complete, ""},
        {{"sh", "ow fr", "a\n"}, State::Complete, "fra"},
        {{"show EDDF"}, State::Incomplete, ""},
        {{QByteArray(40, 'x'), QByteArray(30, 'x')}, State::Refused, ""},  // no line end within the bound
        {{"show EDDF\n", "show EDST\n"}, State::Refused, ""},
        {{"show EDDF\nx"}, State::Refused, ""},
        {{"show ED DF\n"}, State::Refused, ""},
        {{"show EDDF;x\n"}, State::Refused, ""},
        {{"show \xC3\x84" "DDF\n"}, State::Refused, ""},
        {{"show ABCDEFGHIJK\n"}, State::Refused, ""},
        {{"show \n"}, State::Refused, ""},
        {{"open EDDF\n"}, State::Refused, ""},
    };
    for (const auto &c : cases) {
        HandoverReader reader;
        for (const QByteArray &piece : c.pieces) reader.add(piece);
        EXPECT_EQ(reader.state(), c.state) << c.pieces.join('|').toStdString();
        if (c.state == State::Complete) EXPECT_EQ(reader.handover().code, c.code);
    }
    HandoverReader reader;
    EXPECT_EQ(reader.add(platform::encodeHandover({"EDHN"})), State::Complete);
    EXPECT_EQ(reader.handover().code, "EDHN");
}

TEST(SingleInstanceKey, OneFolderUnderEveryNameIsOneProgram) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("daten");
    QDir(dir.path()).mkpath("andere");
    ASSERT_TRUE(QFile::link(dir.filePath("daten"), dir.filePath("verweis")));
    const QString key = platform::instanceSocketPath(dir.filePath("daten"));
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    for (const QString &name : {QStringLiteral("daten"), QStringLiteral("./daten/"), dir.filePath("andere/../daten"),
                                dir.filePath("verweis")})
        EXPECT_EQ(platform::instanceSocketPath(name), key) << name.toStdString();
    EXPECT_NE(platform::instanceSocketPath(dir.filePath("andere")), key);
    QDir::setCurrent(before);
}

// The program's own runtime folder is the test's folder (a temporary one, the owner's alone).
class SingleInstanceServer : public test::WidgetTest {
protected:
    SingleInstanceServer() { qputenv("XDG_RUNTIME_DIR", t.folder().toUtf8()); }
    ~SingleInstanceServer() override { qunsetenv("XDG_RUNTIME_DIR"); }
    platform::SingleInstance first;
    // What the running program answers to `bytes` before it closes the connection.
    QByteArray answerTo(const QByteArray &bytes) {
        QLocalSocket socket;
        socket.connectToServer(platform::instanceSocketPath(t.folder()));
        EXPECT_TRUE(socket.waitForConnected(1000));
        socket.write(bytes);
        QByteArray answer;
        while (socket.state() == QLocalSocket::ConnectedState) {
            QCoreApplication::processEvents();
            socket.waitForReadyRead(10);
            answer += socket.readAll();
        }
        return answer;
    }
};

TEST_F(SingleInstanceServer, OnlyAWholeMessageIsTakenAndAnswered) {
    ASSERT_EQ(*first.claim(t.folder(), {}), platform::SingleInstance::Claim::First);
    QStringList taken;
    QObject::connect(&first, &platform::SingleInstance::handedOver,
                     [&](const platform::Handover &handover) { taken << handover.code; });
    EXPECT_EQ(answerTo(QByteArray(200, 'A')), "");
    EXPECT_EQ(answerTo("show EDDF\nshow EDST\n"), "");
    EXPECT_EQ(answerTo("show eddf\n"), platform::kHandoverAck);
    EXPECT_EQ(taken, QStringList{"eddf"});
}
