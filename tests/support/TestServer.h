#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QProcess;

namespace volmira::test {

// A server script of tests/support (http_server.py, ftp_server.py) run by
// /usr/bin/python3 on the loopback, serving a temporary folder. Started once
// per test program on first use, ended when the program ends; a server that
// does not start fails the test that asked for it (port() is then 0).
class TestServer {
public:
    TestServer(const char *script, QStringList options);
    ~TestServer();

    [[nodiscard]] int port() const { return port_; }
    // "127.0.0.1:port"
    [[nodiscard]] QString host() const;
    [[nodiscard]] QString root() const { return root_.path(); }
    // Writes a file under the served folder, its folders made.
    void put(const QString &relativePath, const QByteArray &bytes) const;

private:
    QTemporaryDir root_;
    std::unique_ptr<QProcess> process_;
    int port_ = 0;
};

// http_server.py, answering.
TestServer &httpServer();
// http_server.py --hang, never answering.
TestServer &silentHttpServer();
// A loopback port nothing listens on.
int closedPort();

}  // namespace volmira::test
