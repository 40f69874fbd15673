#pragma once

#include "app/VersionCheck.h"
#include "platform/Background.h"

#include <QObject>

// The version check of the start-up, asked in the background: the splash and
// the main window follow its answer whenever it arrives, and a shipped update
// waits for it.
namespace volmira::app {

class StartupCheck final : public QObject {
    Q_OBJECT
public:
    explicit StartupCheck(platform::VersionSource &source, QObject *parent = nullptr)
        : QObject(parent), source_(source) {}

    // Asks the site once; the versions are compared when the answer arrives.
    void start(const QString &programVersion, const QString &databaseVersion);
    [[nodiscard]] bool started() const { return started_; }
    [[nodiscard]] bool isAnswered() const { return answered_; }
    // Empty until answered.
    [[nodiscard]] const VersionCheck &result() const { return result_; }

signals:
    void answered();

private:
    platform::VersionSource &source_;
    VersionCheck result_;
    bool started_ = false;
    bool answered_ = false;
    platform::Background background_;  // last: its jobs end before the rest goes
};

}  // namespace volmira::app
