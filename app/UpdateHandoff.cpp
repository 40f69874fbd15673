#include "app/UpdateHandoff.h"

#include "platform/Shell.h"

#include <QDir>

namespace volmira::app {

platform::Result<> startUpdater(platform::Shell &shell, const QString &programFolder) {
    const QString updater = QDir(programFolder).filePath(QString::fromLatin1(kUpdaterProgram));
    if (!shell.startDetached(updater, {}, programFolder))
        // The name users have always read, whatever the file is called here.
        return platform::Failure{
            QStringLiteral("Die Datei - Update.exe - wurde nicht im Programmverzeichnis gefunden !")};
    return {};
}

}  // namespace volmira::app
