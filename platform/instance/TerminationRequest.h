#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

namespace volmira::platform {

// SIGTERM and SIGINT (a logout, a shutdown, kill, Ctrl+C in the terminal)
// as a Qt signal in the event loop, so that the desktop program ends as its
// close button ends it and keeps what it keeps at every close. One at a time;
// the default handling returns when it is destroyed.
class TerminationRequest : public QObject {
    Q_OBJECT
public:
    explicit TerminationRequest(QObject *parent = nullptr);
    ~TerminationRequest() override;

    // Ends the program as the signal would have without this handling, for a
    // request that comes before there is anything to close.
    void endAsUnhandled() const;

signals:
    void requested();

private:
    QSocketNotifier *notifier_ = nullptr;
    int received_ = SIGTERM;
};

}  // namespace volmira::platform
