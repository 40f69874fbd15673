#include "app/MapFolders.h"

#include <QDir>
#include <QFileInfo>

namespace volmira::app {

FolderResult createMapFolders(const QString &dataFolder) {
    FolderResult result;
    const QDir base(dataFolder);
    for (const QString &folder : kMapFolders) {
        if (QFileInfo(base.filePath(folder)).isDir()) continue;
        if (!base.mkdir(folder)) {
            result.error = QStringLiteral("Der Ordner %1 kann nicht angelegt werden. Karten können nicht gespeichert werden.")
                               .arg(QDir::toNativeSeparators(base.filePath(folder)));
            return result;
        }
        result.created << folder;
    }
    return result;
}

}  // namespace volmira::app
