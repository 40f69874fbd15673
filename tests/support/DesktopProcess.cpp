#include "support/DesktopProcess.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

namespace volmira::test {

DesktopProcess::DesktopProcess(const QStringList &arguments, const QString &workingDirectory) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("VOLMIRA_APT_DOWNLOAD_HOST", "127.0.0.1:9");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(VOLMIRA_EXECUTABLE), arguments);
    process.waitForStarted();
}

int DesktopProcess::terminate() {
    process.terminate();
    const bool ended = process.waitForFinished(10'000) && process.exitStatus() == QProcess::NormalExit;
    return ended ? process.exitCode() : -1;
}

void DesktopProcess::kill() {
    if (running()) process.kill();
    process.waitForFinished();
}

bool waitForFile(const QString &path, int ms) {
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(path) && waited.elapsed() < ms) QThread::msleep(20);
    return QFileInfo::exists(path);
}

}  // namespace volmira::test
