#include "app/UpdateHandoff.h"

#include "platform/OnlineConfig.h"
#include "platform/Shell.h"

#include <QDir>
#include <QFileInfo>

namespace volmira::app {

Handoff handOffUpdate(platform::Shell &shell, const QString &programFolder) {
    const QString updater = QDir(programFolder).filePath(QString::fromLatin1(kUpdaterProgram));
    if (const QFileInfo file(updater); file.isFile() && file.isExecutable()) {
        if (shell.startDetached(updater, {}, programFolder)) return {true, {}};
        return {false, QStringLiteral("Das Update-Programm %1 konnte nicht gestartet werden.")
                           .arg(QDir::toNativeSeparators(updater))};
    }
    const QString page = platform::online::downloadUrl(platform::online::kDownloadPagePath);
    if (shell.openUrl(page))
        return {false, QStringLiteral("Es ist kein Update-Programm installiert. Die Download-Seite %1 wurde im "
                                      "Browser geöffnet.")
                           .arg(page)};
    return {false, QStringLiteral("Es ist kein Update-Programm installiert, und die Download-Seite %1 konnte nicht "
                                  "geöffnet werden.")
                       .arg(page)};
}

}  // namespace volmira::app
