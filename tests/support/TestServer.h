#pragma once

#include <QProcess>
#include <QTemporaryDir>

namespace volmira::test {

// A server script of tests/support run by /usr/bin/python3 on the loopback,
// serving a temporary folder; port 0 when it did not start.
struct TestServer {
    TestServer(const char *script, const QStringList &options);
    ~TestServer();
    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(port); }
    // Writes a file under the served folder, its folders made.
    void put(const QString &relativePath, const QByteArray &bytes) const;

    QTemporaryDir root;
    QProcess process;
    int port = 0;
};

// http_server.py, started once per test program; `silent`: with --hang.
TestServer &httpServer(bool silent = false);
// A loopback port nothing listens on.
int closedPort();

}  // namespace volmira::test
