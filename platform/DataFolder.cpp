#include "platform/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace volmira::platform {

QString resolveDataFolder(const QString &commandLineDir, const QString &executableDir) {
    if (!commandLineDir.isEmpty()) return QDir(commandLineDir).absolutePath();
    const QString home = qEnvironmentVariable("VOLMIRA_APT_HOME");
    if (!home.isEmpty()) return QDir(home).absolutePath();
    if (QFileInfo(QDir(executableDir).filePath(kDatabaseFile)).isFile()) return QDir(executableDir).absolutePath();
    const QString generic = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(generic).filePath(QStringLiteral("volmira-apt"));
}

QString programFolder() {
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).path();
}

QString installedFilesFolder(const QString &executableDir) {
    const QDir exe(executableDir);
    for (const QString &candidate : {QStringLiteral("."), QStringLiteral("../share/volmira-apt"),
                                     QStringLiteral("../../share/volmira-apt")}) {
        const QString folder = QDir::cleanPath(exe.filePath(candidate));
        if (QFileInfo(QDir(folder).filePath(kShippedDatabase)).isFile()) return folder;
    }
    return exe.absolutePath();
}

Result<> prepareDataFolder(const QString &dataFolder, const QString &executableDir) {
    if (!QDir().mkpath(dataFolder))
        return Failure{QStringLiteral("Der Datenordner %1 kann nicht angelegt werden.").arg(dataFolder)};
    const QString target = QDir(dataFolder).filePath(kDatabaseFile);
    if (QFileInfo::exists(target)) return {};
    const QDir installed(installedFilesFolder(executableDir));
    const QString shipped = installed.filePath(kShippedDatabase);
    if (!QFileInfo(shipped).isFile()) return {};  // the caller reports the missing database
    // Copy under a temporary name first so that an interrupted copy never
    // leaves a half database behind.
    const QString partial = target + QStringLiteral(".kopie");
    QFile::remove(partial);
    if (!QFile::copy(shipped, partial) || !QFile::rename(partial, target)) {
        QFile::remove(partial);
        return Failure{
            QStringLiteral("Die mitgelieferte Datenbank kann nicht nach %1 kopiert werden.").arg(dataFolder)};
    }
    QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    // A new installation starts on the airport the shipped settings name. A
    // missing settings file is no error: the airport window writes its own.
    const QString settings = QDir(dataFolder).filePath(kShippedSettings);
    if (!QFileInfo::exists(settings)) QFile::copy(installed.filePath(kShippedSettings), settings);
    return {};
}

}  // namespace volmira::platform
