#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace volmira::test {

// A FIFO where a user's file is expected. A reader that waits in open() for a
// writer would hang the test; after a grace time a watchdog opens and closes
// the writing end, so that such a reader ends with nothing read, and the test
// is told that it blocked.
class Fifo {
public:
    explicit Fifo(const QString &path) : name_(QFile::encodeName(path)) {
        EXPECT_EQ(::mkfifo(name_.constData(), 0600), 0) << name_.constData();
        watchdog_ = std::thread([this] {
            for (int waited = 0; !done_; waited += 20) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                if (waited < 2000) continue;
                // Succeeds only while a reader has the FIFO open or waits in open().
                if (const int fd = ::open(name_.constData(), O_WRONLY | O_NONBLOCK); fd >= 0) {
                    blocked_ = true;
                    ::close(fd);
                }
            }
        });
    }
    ~Fifo() {
        done_ = true;
        watchdog_.join();
    }
    Fifo(const Fifo &) = delete;
    Fifo &operator=(const Fifo &) = delete;

    // True when a reader waited in it long enough to be freed.
    [[nodiscard]] bool blockedAReader() const { return blocked_; }

private:
    QByteArray name_;
    std::atomic<bool> done_ = false;
    std::atomic<bool> blocked_ = false;
    std::thread watchdog_;
};

// A FIFO named `name` and a folder "ordner-" + `name` in `folder`: every reader of
// a user's file refuses at once, each with the reason it gives after the name.
class NotFiles {
public:
    struct Case {
        QString path;
        QString reason;
    };
    NotFiles(const QString &folder, const QString &name)
        : fifoPath_(QDir(folder).filePath(name)), folderPath_(QDir(folder).filePath("ordner-" + name)),
          fifo_(fifoPath_) {
        EXPECT_TRUE(QDir().mkpath(folderPath_));
    }
    [[nodiscard]] std::vector<Case> cases() const {
        return {{fifoPath_, QStringLiteral("Der Name bezeichnet keine gewöhnliche Datei.")},
                {folderPath_, QStringLiteral("Der Name bezeichnet einen Ordner.")}};
    }
    [[nodiscard]] bool blockedAReader() const { return fifo_.blockedAReader(); }

private:
    QString fifoPath_, folderPath_;
    Fifo fifo_;
};

}  // namespace volmira::test
