#pragma once

#include "platform/Result.h"
#include "platform/instance/Handover.h"

#include <QLocalServer>
#include <QObject>

#include <memory>

class QLockFile;

namespace volmira::platform {

// Where the desktop program of a data folder listens, in the user's runtime
// folder: named after the folder's canonical path, so that a relative name,
// a link or "x/../x" reach the same program. Its lock file is this path with ".lock".
[[nodiscard]] QString instanceSocketPath(const QString &dataFolder);

// One desktop program per data folder. The first start takes the folder's
// lock and listens; a later start hands its airport to it and ends. The lock
// holds the holder's process id: one whose holder is gone (a killed program)
// is taken over, and so is the socket it left behind.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Claim { First, HandedOver };
    // How long a start waits for the running program to take a hand-over.
    static constexpr int kWaitMs = 10'000;

    explicit SingleInstance(QObject *parent = nullptr);
    ~SingleInstance() override;

    // First: this program holds the folder until it is destroyed and emits
    // handedOver for each later start. HandedOver: the running program took
    // `handover`. A failure says why in German (the running one does not answer,
    // the lock cannot be made).
    [[nodiscard]] Result<Claim> claim(const QString &dataFolder, const Handover &handover, int waitMs = kWaitMs);

signals:
    void handedOver(const platform::Handover &handover);

private:
    [[nodiscard]] Result<Claim> listen(const QString &name);
    void accept();

    std::unique_ptr<QLockFile> lock_;
    QLocalServer server_;
};

}  // namespace volmira::platform
