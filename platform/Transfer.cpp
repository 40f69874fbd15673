#include "platform/Transfer.h"

#include <QMetaObject>

namespace volmira::platform {

TransferRunner::TransferRunner(Transfer &transfer, QObject *parent) : QObject(parent), transfer_(transfer) {}

TransferRunner::~TransferRunner() {
    abort_ = true;
    for (std::thread &worker : workers_) worker.join();
    // A result posted before the join is dropped with this object's pending events.
}

void TransferRunner::fetch(FetchRequest request, std::function<void(Result<QByteArray>)> done) {
    run([this, request = std::move(request), done = std::move(done)] {
        Result<QByteArray> result = transfer_.fetch(request, abort_);
        QMetaObject::invokeMethod(
            this,
            [this, result = std::move(result), done] {
                --pending_;
                done(result);
            },
            Qt::QueuedConnection);
    });
}

void TransferRunner::upload(UploadRequest request, std::function<void(Result<void>)> done) {
    run([this, request = std::move(request), done = std::move(done)] {
        Result<void> result = transfer_.upload(request, abort_);
        QMetaObject::invokeMethod(
            this,
            [this, result = std::move(result), done] {
                --pending_;
                done(result);
            },
            Qt::QueuedConnection);
    });
}

void TransferRunner::run(std::function<void()> work) {
    ++pending_;
    workers_.emplace_back(std::move(work));
}

}  // namespace volmira::platform
