#pragma once

#include <QFile>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace volmira::test {

// A FIFO where a user's file is expected. A reader waiting in open() for a
// writer would hang the test: after 2 s a watchdog opens and closes the
// writing end, which ends such a reader with nothing read, and notes it.
class Fifo {
public:
    explicit Fifo(const QString &path) : name_(QFile::encodeName(path)) {
        EXPECT_EQ(::mkfifo(name_.constData(), 0600), 0);
        watchdog_ = std::thread([this] {
            for (int waited = 0; !done_; waited += 20) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                // Opens only while a reader has the FIFO open or waits in open().
                const int fd = waited < 2000 ? -1 : ::open(name_.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) blocked = ::close(fd) == 0;
            }
        });
    }
    ~Fifo() {
        done_ = true;
        watchdog_.join();
    }

    std::atomic<bool> blocked = false;  // a reader waited in it

private:
    QByteArray name_;
    std::atomic<bool> done_ = false;
    std::thread watchdog_;
};

}  // namespace volmira::test
