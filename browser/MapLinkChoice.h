#pragma once

#include "store/Rows.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What the map linking dialog decides without a display: the places it offers,
// the folder it opens in and the map files a folder lists.
namespace volmira::browser {

// An entry of the drop-down of places: what it shows and the folder it stands for.
struct MapPlace {
    QString caption;
    QString path;
};

// The data folder's Karten, the home folder, the mounted volumes and "/", in
// that order, each folder once.
[[nodiscard]] std::vector<MapPlace> mapPlaces(const QString &dataFolder, const QString &home,
                                              const QStringList &volumes);

// The place the folder lies in: the one whose path is its longest leading
// part; -1 when none is.
[[nodiscard]] int placeOf(const QString &folder, const std::vector<MapPlace> &places);

// True when the folder exists and holds at least one file.
[[nodiscard]] bool folderHoldsFile(const QString &folder);

// The folder's sub-folders, hidden ones left out, by name ignoring case.
[[nodiscard]] QStringList subfoldersOf(const QString &folder);

// The folder's BMP, JPEG and PDF files in any letter case, by name ignoring case.
[[nodiscard]] QStringList mapFilesIn(const QString &folder);

// The entry equal to the name, else the first equal to it ignoring case; -1: none.
[[nodiscard]] int listedFile(const QStringList &files, const QString &name);

// The entry scrolled into view before the found one is selected, so that up to
// four entries below it show too.
[[nodiscard]] int entryBelowInView(int found, int count);

// Where the dialog opens.
struct LinkStart {
    QString folder;  // the folder whose files are listed
    QString file;    // the stored file to select; empty for a new link
    QString name;    // the stored name; empty for a new link
};

// A new link opens in the viewer's last map folder when it is a folder holding
// a file, else in the data folder. An existing link opens in its folder, rebased
// as the viewer rebases a missing path, or in the data folder when that is
// missing too.
[[nodiscard]] LinkStart linkStart(const std::optional<store::MapDataRow> &link, const QString &lastMapFolder,
                                  const QString &dataFolder);

}  // namespace volmira::browser
