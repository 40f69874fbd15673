#include "browser/MapLinkAudit.h"

#include "browser/MapPath.h"
#include "store/DateText.h"

#include <QDir>
#include <QFileInfo>

namespace volmira::browser {

using platform::Failure;
using platform::Result;

namespace {

QString cleanFolder(const QString &folder) { return QDir::cleanPath(joinMapPath(folder, QString())); }

}  // namespace

std::optional<QDate> validUntilOf(const store::MapDataRow &link) {
    const QDate day = store::parseStoredDate(link.ValidUntil);
    if (!day.isValid()) return std::nullopt;
    return day;
}

std::optional<QDate> expiredOn(const store::MapDataRow &link, const QDate &today) {
    const std::optional<QDate> last = validUntilOf(link);
    if (!last || *last >= today) return std::nullopt;
    return last;
}

QString expiredText(const QDate &lastDay) {
    return QStringLiteral("Karte abgelaufen am %1").arg(store::defaultDateText(lastDay));
}

Result<std::vector<FoundLink>> missingLinks(store::MapStore &maps, const QString &dataFolder) {
    Result<std::vector<store::MapDataRow>> links = maps.allLinks();
    if (!links) return Failure{links.error()};
    std::vector<FoundLink> missing;
    for (store::MapDataRow &row : *links) {
        const ResolvedPath file = resolveMapPath(joinMapPath(row.Location, row.File), dataFolder);
        if (!file.exists) missing.push_back({std::move(row), file.path});
    }
    return missing;
}

std::vector<Relink> planRelink(const std::vector<store::MapDataRow> &links, const QString &oldFolder,
                               const QString &newFolder) {
    const QString from = cleanFolder(oldFolder), to = cleanFolder(newFolder);
    std::vector<Relink> plan;
    for (const store::MapDataRow &row : links) {
        const QString folder = cleanFolder(row.Location);
        QString below;
        if (folder == from) below = QString();
        else if (folder.startsWith(from == u"/" ? from : from + u'/')) below = folder.mid(from.size());
        else continue;
        // The rest starts with the separator unless the old folder was "/".
        const QString location = QDir::cleanPath(to + (below.startsWith(u'/') || below.isEmpty() ? below : u'/' + below));
        plan.push_back({row, location, QFileInfo(joinMapPath(location, row.File)).isFile()});
    }
    return plan;
}

Result<> applyRelink(store::MapStore &maps, const std::vector<Relink> &plan) {
    std::vector<store::MapStore::LinkMove> moves;
    for (const Relink &link : plan)
        if (link.fileThere) moves.push_back({link.row.id, link.location});
    return maps.moveLinks(moves);
}

}  // namespace volmira::browser
