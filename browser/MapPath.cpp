#include "browser/MapPath.h"

#include <QDir>
#include <QFileInfo>

namespace volmira::browser {

namespace {

QString withSlashes(QString path) { return path.replace(u'\\', u'/'); }

bool existsAs(const QString &path, PathKind kind) {
    const QFileInfo info(path);
    return kind == PathKind::File ? info.isFile() : info.isDir();
}

// The entry of `folder` named `name` in any letter case: the exact spelling
// when it is there, else the first such entry in name order; empty when none.
QString entryIgnoringCase(const QString &folder, const QString &name) {
    if (QFileInfo::exists(folder + u'/' + name)) return name;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    return {};
}

// `relative` below `base`, each name matched ignoring its letter case where the
// spelling given is missing; empty when a name is not there at all.
QString findBelow(const QString &base, const QString &relative) {
    QString path = base;
    for (const QString &name : relative.split(u'/', Qt::SkipEmptyParts)) {
        if (name == u"." || name == u"..") return {};  // stays inside the data folder
        const QString entry = entryIgnoringCase(path, name);
        if (entry.isEmpty()) return {};
        path += u'/' + entry;
    }
    return path;
}

}  // namespace

MapType mapTypeOf(const QString &path) {
    const QString last = path.right(3).toUpper();
    if (last == u"PDF") return MapType::Pdf;
    if (last == u"BMP") return MapType::Bmp;
    return MapType::Jpeg;
}

QString mapTypeName(MapType type) {
    switch (type) {
    case MapType::Bmp: return QStringLiteral("BMP");
    case MapType::Pdf: return QStringLiteral("PDF");
    case MapType::Jpeg: break;
    }
    return QStringLiteral("JPEG");
}

bool isMapFileName(const QString &name) {
    for (const QString &pattern : kMapFilePatterns)
        if (name.endsWith(QStringView(pattern).mid(1), Qt::CaseInsensitive) && name.size() > pattern.size() - 1)
            return true;
    return false;
}

QString joinMapPath(const QString &location, const QString &file) {
    QString folder = withSlashes(location);
    if (file.isEmpty()) return folder;
    if (!folder.isEmpty() && !folder.endsWith(u'/')) folder += u'/';
    return folder + withSlashes(file);
}

ResolvedPath resolveMapPath(const QString &stored, const QString &dataFolder, PathKind kind) {
    const QString path = withSlashes(stored);
    if (path.isEmpty()) return {path, false};
    if (existsAs(path, kind)) return {path, true};
    const QString base = withSlashes(dataFolder);
    static const QString kKarten = QStringLiteral("/karten");
    for (qsizetype at = path.indexOf(kKarten, 0, Qt::CaseInsensitive); at >= 0;
         at = path.indexOf(kKarten, at + 1, Qt::CaseInsensitive)) {
        const QString found = findBelow(base, path.mid(at));
        if (!found.isEmpty() && existsAs(found, kind)) return {found, true};
    }
    return {path, false};
}

}  // namespace volmira::browser
