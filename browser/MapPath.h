#pragma once

#include <QString>
#include <QStringList>

// Where a linked map file is: the stored folder and name joined, and rebased
// into the data folder when the program's map folders moved with it.
namespace volmira::browser {

// How a map is shown, by the last three letters of its path: "PDF", "BMP",
// anything else a JPEG.
enum class MapType { Bmp, Jpeg, Pdf };
[[nodiscard]] MapType mapTypeOf(const QString &path);
// "BMP", "JPEG", "PDF".
[[nodiscard]] QString mapTypeName(MapType type);

// The file names a link may point to, in any letter case (the file chooser's
// filter and the command line's check).
inline const QStringList kMapFilePatterns = {"*.bmp", "*.jpg", "*.jpeg", "*.pdf"};
[[nodiscard]] bool isMapFileName(const QString &name);

// Location + separator + File, with stored backslashes read as separators and
// no separator doubled. A folder alone when the file name is empty.
[[nodiscard]] QString joinMapPath(const QString &location, const QString &file);

enum class PathKind { File, Folder };

struct ResolvedPath {
    QString path;         // the path found; when nothing exists, the stored one with '/' separators
    bool exists = false;  // a file (or, for a folder, a folder) is there
};

// A stored map path (or folder) as it is found on this machine: as stored when
// it exists; otherwise everything before a "/karten" or "\karten" (any letter
// case) is replaced by the data folder, the occurrences tried from the first,
// and below the data folder each name that is missing as spelled is matched
// ignoring its letter case. Nothing is written back.
[[nodiscard]] ResolvedPath resolveMapPath(const QString &stored, const QString &dataFolder,
                                          PathKind kind = PathKind::File);

}  // namespace volmira::browser
