#pragma once

#include <QObject>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace volmira::platform {

// Runs blocking jobs on worker threads and hands each result to `done` on the
// thread that owns this object (a queued call), so that a window never waits.
// Destroying it tells the running jobs to stop (their `abort` turns true) and
// joins them; the `done` of a job not delivered by then is never called.
class Background final : public QObject {
public:
    explicit Background(QObject *parent = nullptr) : QObject(parent) {}
    ~Background() override;
    Background(const Background &) = delete;
    Background &operator=(const Background &) = delete;

    template <typename R>
    void run(std::function<R(const std::atomic<bool> &abort)> job, std::function<void(R)> done) {
        ++pending_;
        start([this, job = std::move(job), done = std::move(done)] {
            R result = job(abort_);
            deliver([this, result = std::move(result), done] {
                --pending_;
                done(result);
            });
        });
    }

    // Whether a job runs whose `done` has not been called yet.
    [[nodiscard]] bool busy() const { return pending_ > 0; }

private:
    void start(std::function<void()> work);
    // Queues the call to this object's thread; dropped when the object goes first.
    void deliver(std::function<void()> call);

    std::atomic<bool> abort_{false};
    std::vector<std::thread> workers_;
    int pending_ = 0;
};

}  // namespace volmira::platform
