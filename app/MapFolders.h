#pragma once

#include <QString>
#include <QStringList>

namespace volmira::app {

// The map folders below the data folder, parents before their children.
inline const QStringList kMapFolders = {"Karten", "Karten/Flughafen", "Karten/Luftbilder", "Karten/PDF"};

struct FolderResult {
    QStringList created;  // the folders that were missing and are now made
    QString error;        // German; empty when all four exist
};

// Creates the map folders that are missing.
[[nodiscard]] FolderResult createMapFolders(const QString &dataFolder);

}  // namespace volmira::app
