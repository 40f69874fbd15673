#include "app/StartupUpdate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace volmira::app {

namespace {

// A virus scanner or a backup program may hold the file for a moment.
bool removeWithRetries(const QString &path) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (QFile::remove(path) || !QFileInfo::exists(path)) return true;
        QThread::msleep(100);
    }
    return false;
}

}  // namespace

bool updateFileExists(const QString &dataFolder) {
    return QFileInfo(QDir(dataFolder).filePath(QString::fromLatin1(kUpdateFile))).isFile();
}

StartupUpdateResult runStartupUpdate(store::AirportStore &store, const QString &dataFolder,
                                     const QString &onlineDataVersion, const store::exchange::ImportProgress &progress) {
    const QString file = QDir(dataFolder).filePath(QString::fromLatin1(kUpdateFile));
    const platform::Result<store::exchange::ImportOutcome> imported =
        store::exchange::importUpdate(store, {file, dataFolder, onlineDataVersion}, progress);
    StartupUpdateResult result;
    if (!imported) {
        const QString kept = QDir(dataFolder).filePath(QString::fromLatin1(kFailedUpdateFile));
        const bool renamed = removeWithRetries(kept) && QFile::rename(file, kept);
        result.error = imported.error() + QStringLiteral("\n\nDie Datenbank wurde nicht verändert. ") +
                       (renamed ? QStringLiteral("Die Update-Datei wurde als %1 aufbewahrt.").arg(kFailedUpdateFile)
                                : QStringLiteral("Die Update-Datei %1 konnte nicht umbenannt werden.").arg(file));
        return result;
    }
    result.warning = imported->warning;
    if (!removeWithRetries(file)) {
        if (!result.warning.isEmpty()) result.warning += u'\n';
        result.warning += QStringLiteral("Die Update-Datei %1 konnte nicht gelöscht werden; bitte von Hand "
                                         "löschen, sonst wird sie beim nächsten Start erneut eingespielt.")
                              .arg(file);
    }
    return result;
}

}  // namespace volmira::app
