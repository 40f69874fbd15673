#include "platform/instance/TerminationRequest.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace volmira::platform {

namespace {

// The handler may only write: the pair carries the signal into the event loop.
int pair[2] = {-1, -1};

void onSignal(int number) {
    const char byte = char(number);
    [[maybe_unused]] const ssize_t written = ::write(pair[0], &byte, 1);
}

void handle(void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

}  // namespace

TerminationRequest::TerminationRequest(QObject *parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) return;
    notifier_ = new QSocketNotifier(pair[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte;
        if (::read(pair[1], &byte, 1) == 1) received_ = byte;
        emit requested();
    });
    handle(onSignal);
}

void TerminationRequest::endAsUnhandled() const {
    ::signal(received_, SIG_DFL);
    ::raise(received_);
}

TerminationRequest::~TerminationRequest() {
    if (!notifier_) return;
    handle(SIG_DFL);
    delete notifier_;
    ::close(pair[0]);
    ::close(pair[1]);
    pair[0] = pair[1] = -1;
}

}  // namespace volmira::platform
