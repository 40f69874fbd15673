#include "support/FtpServer.h"

#include <QDir>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>

namespace volmira::test {

namespace {

std::unique_ptr<FtpServer> &sharedServer() {
    static std::unique_ptr<FtpServer> server;
    return server;
}

// Stops the shared server, when one was started, once the program's tests end.
class SharedServerEnd : public ::testing::Environment {
public:
    void TearDown() override { sharedServer().reset(); }
};
[[maybe_unused]] ::testing::Environment *const kEnd = ::testing::AddGlobalTestEnvironment(new SharedServerEnd);

}  // namespace

FtpServer::FtpServer(bool readOnly) {
    QStringList arguments{QStringLiteral(VOLMIRA_SOURCE_DIR "/tests/support/ftp_server.py"), "--root", root_.path()};
    if (readOnly) arguments << "--read-only";
    process_.setStandardErrorFile(QProcess::nullDevice());
    process_.start(QStringLiteral("/usr/bin/python3"), arguments);
    QByteArray line;
    while (!line.contains('\n') && process_.waitForReadyRead(10000)) line += process_.readAllStandardOutput();
    port_ = line.trimmed().toInt();
    if (!started()) ADD_FAILURE() << "Der FTP-Testserver startet nicht (/usr/bin/python3 mit pyftpdlib?)";
}

FtpServer::~FtpServer() { kill(); }

FtpServer &FtpServer::shared() {
    if (!sharedServer()) sharedServer() = std::make_unique<FtpServer>();
    if (!sharedServer()->started()) ADD_FAILURE() << "Der FTP-Testserver läuft nicht";
    sharedServer()->clear();
    return *sharedServer();
}

QString FtpServer::url() const { return QStringLiteral("ftp://127.0.0.1:%1").arg(port_); }

QStringList FtpServer::files() const { return QDir(root_.path()).entryList(QDir::Files, QDir::Name); }

void FtpServer::clear() {
    for (const QString &name : files()) QFile::remove(stored(name));
}

void FtpServer::freeze() {
    if (process_.state() != QProcess::NotRunning) ::kill(pid_t(process_.processId()), SIGSTOP);
}

void FtpServer::kill() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();  // SIGKILL, which also ends a frozen server
    process_.waitForFinished(5000);
}

}  // namespace volmira::test
