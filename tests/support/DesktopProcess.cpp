#include "support/DesktopProcess.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

namespace volmira::test {

DesktopProcess::DesktopProcess(const QStringList &arguments, const QString &workingDirectory) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("VOLMIRA_APT_DOWNLOAD_HOST", "127.0.0.1:9");
    process_.setProcessEnvironment(env);
    process_.setWorkingDirectory(workingDirectory);
    process_.start(QStringLiteral(VOLMIRA_EXECUTABLE), arguments);
    process_.waitForStarted();
}

DesktopProcess::~DesktopProcess() { kill(); }

bool DesktopProcess::endsWithin(int ms) { return process_.waitForFinished(ms); }

int DesktopProcess::terminate() {
    process_.terminate();
    if (!process_.waitForFinished(10'000) || process_.exitStatus() != QProcess::NormalExit) return -1;
    return process_.exitCode();
}

void DesktopProcess::kill() {
    if (!running()) return;
    process_.kill();
    process_.waitForFinished();
}

bool waitForFile(const QString &path, int ms) {
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(path)) {
        if (waited.elapsed() > ms) return false;
        QThread::msleep(20);
    }
    return true;
}

}  // namespace volmira::test
