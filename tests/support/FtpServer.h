#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace volmira::test {

// tests/support/ftp_server.py on the loopback, serving a temporary folder to
// "volmira-apt" / "harrier77". A server that does not start fails the test.
class FtpServer {
public:
    explicit FtpServer(bool readOnly = false);
    ~FtpServer();
    FtpServer(const FtpServer &) = delete;
    FtpServer &operator=(const FtpServer &) = delete;

    // The one writable server of the test program, started on first use and
    // stopped when the program's tests end; emptied for each caller.
    static FtpServer &shared();

    [[nodiscard]] bool started() const { return port_ > 0; }
    // "ftp://127.0.0.1:PORT"
    [[nodiscard]] QString url() const;
    // Where a stored file of that name lies.
    [[nodiscard]] QString stored(const QString &name) const { return root_.filePath(name); }
    // The names of the stored files, sorted.
    [[nodiscard]] QStringList files() const;
    void clear();
    // The server freezes (SIGSTOP), or goes at once (SIGKILL).
    void freeze();
    void kill();

private:
    QTemporaryDir root_;
    QProcess process_;
    int port_ = 0;
};

}  // namespace volmira::test
