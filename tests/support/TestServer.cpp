#include "support/TestServer.h"

#include "support/Files.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace volmira::test {

TestServer::TestServer(const char *script, QStringList options) : process_(std::make_unique<QProcess>()) {
    const QString path = QStringLiteral(VOLMIRA_SOURCE_DIR "/tests/support/") + QString::fromLatin1(script);
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_->start(QStringLiteral("/usr/bin/python3"), QStringList{path, "--root", root_.path()} + options);
    QByteArray line;
    while (!line.contains('\n') && process_->waitForReadyRead(10000)) line += process_->readAllStandardOutput();
    port_ = line.trimmed().toInt();
}

TestServer::~TestServer() {
    process_->kill();
    process_->waitForFinished(2000);
}

QString TestServer::host() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }

void TestServer::put(const QString &relativePath, const QByteArray &bytes) const {
    const QString path = QDir(root_.path()).filePath(relativePath);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    writeFile(path, bytes);
}

TestServer &httpServer() {
    static TestServer server("http_server.py", {});
    if (server.port() <= 0) ADD_FAILURE() << "http_server.py did not start";
    return server;
}

TestServer &silentHttpServer() {
    static TestServer server("http_server.py", {"--hang"});
    if (server.port() <= 0) ADD_FAILURE() << "http_server.py --hang did not start";
    return server;
}

int closedPort() {
    // Bound and closed again: the system gave it, and nothing listens on it now.
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(s, reinterpret_cast<sockaddr *>(&address), sizeof address);
    ::getsockname(s, reinterpret_cast<sockaddr *>(&address), &length);
    ::close(s);
    return ntohs(address.sin_port);
}

}  // namespace volmira::test
