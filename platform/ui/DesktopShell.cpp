#include "platform/ui/DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace volmira::platform {

bool DesktopShell::openUrl(const QString &url) { return QDesktopServices::openUrl(QUrl(url)); }

bool DesktopShell::startDetached(const QString &program, const QStringList &arguments, const QString &workingFolder) {
    // QProcess starts the file itself; a missing one must not be looked up in PATH.
    if (!QFileInfo(program).isFile()) return false;
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingFolder);
    return process.startDetached();
}

}  // namespace volmira::platform
