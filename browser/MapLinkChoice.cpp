#include "browser/MapLinkChoice.h"

#include "browser/MapPath.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace volmira::browser {

namespace {

// A folder as compared and stored: cleaned, without a trailing separator but for "/".
QString folderPath(const QString &folder) { return QDir::cleanPath(QDir::fromNativeSeparators(folder)); }

bool isFolder(const QString &folder) { return !folder.isEmpty() && QFileInfo(folder).isDir(); }

bool liesIn(const QString &folder, const QString &place) {
    if (place == u"/") return folder.startsWith(u'/');
    return folder == place || folder.startsWith(place + u'/');
}

// Names differing in case only keep a fixed order.
QStringList sortedIgnoringCase(QStringList names) {
    std::ranges::sort(names, [](const QString &a, const QString &b) {
        const int folded = QString::compare(a, b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}

}  // namespace

std::vector<MapPlace> mapPlaces(const QString &dataFolder, const QString &home, const QStringList &volumes) {
    std::vector<MapPlace> places;
    const auto add = [&places](const QString &caption, const QString &path) {
        if (path.isEmpty()) return;
        const QString cleaned = folderPath(path);
        if (std::ranges::any_of(places, [&](const MapPlace &p) { return p.path == cleaned; })) return;
        places.push_back({caption, cleaned});
    };
    add(QStringLiteral("Karten"), QDir(dataFolder).filePath(QStringLiteral("Karten")));
    add(QStringLiteral("Persönlicher Ordner"), home);
    for (const QString &volume : volumes)
        if (folderPath(volume) != u"/") add(folderPath(volume), volume);
    add(QStringLiteral("Dateisystem /"), QStringLiteral("/"));
    return places;
}

int placeOf(const QString &folder, const std::vector<MapPlace> &places) {
    const QString cleaned = folderPath(folder);
    int best = -1;
    for (int i = 0; i < int(places.size()); ++i)
        if (liesIn(cleaned, places[i].path) && (best < 0 || places[i].path.size() > places[best].path.size()))
            best = i;
    return best;
}

bool folderHoldsFile(const QString &folder) {
    return isFolder(folder) && QDirIterator(folder, QDir::Files | QDir::Hidden | QDir::System).hasNext();
}

QStringList subfoldersOf(const QString &folder) {
    if (!isFolder(folder)) return {};
    return sortedIgnoringCase(QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort));
}

QStringList mapFilesIn(const QString &folder) {
    if (!isFolder(folder)) return {};
    // Name filters match regardless of case unless asked otherwise.
    return sortedIgnoringCase(QDir(folder).entryList(kMapFilePatterns, QDir::Files, QDir::NoSort));
}

int listedFile(const QStringList &files, const QString &name) {
    if (name.isEmpty()) return -1;
    if (const qsizetype exact = files.indexOf(name); exact >= 0) return int(exact);
    const auto folded =
        std::ranges::find_if(files, [&](const QString &f) { return f.compare(name, Qt::CaseInsensitive) == 0; });
    return folded == files.end() ? -1 : int(folded - files.begin());
}

int entryBelowInView(int found, int count) { return std::min(found + 4, count - 1); }

LinkStart linkStart(const std::optional<store::MapDataRow> &link, const QString &lastMapFolder,
                    const QString &dataFolder) {
    if (!link) return {folderHoldsFile(lastMapFolder) ? folderPath(lastMapFolder) : folderPath(dataFolder), {}, {}};
    QString folder = folderPath(link->Location);
    if (!isFolder(folder)) {
        const ResolvedPath rebased = resolveMapPath(link->Location, dataFolder, PathKind::Folder);
        folder = folderPath(rebased.exists ? rebased.path : dataFolder);
    }
    return {folder, link->File, link->Name};
}

}  // namespace volmira::browser
