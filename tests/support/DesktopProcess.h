#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace volmira::test {

// The desktop program started as a pilot starts it (volmira-apt without a
// command) in `workingDirectory`, offscreen, its version check sent to a closed
// local port; killed at the end of the test if it still runs.
class DesktopProcess {
public:
    DesktopProcess(const QStringList &arguments, const QString &workingDirectory);
    ~DesktopProcess() { kill(); }

    [[nodiscard]] bool running() const { return process.state() != QProcess::NotRunning; }
    // Ends it with SIGTERM; its exit status, -1 when it crashed or did not end.
    int terminate();
    void kill();

    QProcess process;
};

// Waits until `path` exists; false when it does not within `ms`.
bool waitForFile(const QString &path, int ms);

}  // namespace volmira::test
