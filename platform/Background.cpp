#include "platform/Background.h"

#include <QMetaObject>

namespace volmira::platform {

Background::~Background() {
    abort_ = true;
    for (std::thread &worker : workers_) worker.join();
    // A result queued before the join goes with this object's pending events.
}

void Background::start(std::function<void()> work) { workers_.emplace_back(std::move(work)); }

void Background::deliver(std::function<void()> call) {
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

}  // namespace volmira::platform
