#include "support/TestServer.h"

#include "support/Files.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>

namespace volmira::test {

TestServer::TestServer(const char *script, const QStringList &options) {
    process.start("/usr/bin/python3", QStringList{VOLMIRA_SOURCE_DIR "/tests/support/" + QString::fromLatin1(script),
                                                  "--root", root.path()} + options);
    QByteArray line;
    while (!line.contains('\n') && process.waitForReadyRead(10000)) line += process.readAllStandardOutput();
    port = line.trimmed().toInt();
}

TestServer::~TestServer() {
    process.kill();
    process.waitForFinished(2000);
}

void TestServer::put(const QString &relativePath, const QByteArray &bytes) const {
    const QString path = QDir(root.path()).filePath(relativePath);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    writeFile(path, bytes);
}

TestServer &httpServer(bool silent) {
    static std::unique_ptr<TestServer> servers[2];  // ended when the program ends
    std::unique_ptr<TestServer> &server = servers[silent];
    if (!server) server = std::make_unique<TestServer>("http_server.py", silent ? QStringList{"--hang"} : QStringList());
    EXPECT_GT(server->port, 0) << "http_server.py did not start";
    return *server;
}

int closedPort() {
    // Given by the system, then closed again.
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
    socklen_t length = sizeof address;
    ::bind(s, reinterpret_cast<sockaddr *>(&address), sizeof address);
    ::getsockname(s, reinterpret_cast<sockaddr *>(&address), &length);
    ::close(s);
    return ntohs(address.sin_port);
}

}  // namespace volmira::test
