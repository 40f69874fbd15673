#include "browser/MapLinks.h"

#include "browser/MapDrop.h"

#include <QFileInfo>

namespace volmira::browser {

using platform::Failure;
using platform::Result;

Result<std::vector<MapSlot>> readMapSlots(store::MapStore &maps, const QString &icao, const QString &dataFolder) {
    Result<std::vector<store::MapDataRow>> rows = maps.ofAirport(icao);
    if (!rows) return Failure{rows.error()};
    std::vector<MapSlot> result;
    result.reserve(rows->size());
    for (store::MapDataRow &row : *rows) {
        MapSlot slot;
        slot.file = resolveMapPath(joinMapPath(row.Location, row.File), dataFolder, PathKind::File);
        slot.folder = resolveMapPath(joinMapPath(row.Location, QString()), dataFolder, PathKind::Folder);
        slot.type = mapTypeOf(slot.file.path);
        slot.row = std::move(row);
        result.push_back(std::move(slot));
    }
    return result;
}

LinkOutcome saveMapLink(store::MapStore &maps, const QString &icao, int number, const LinkRequest &request,
                        const QString &dataFolder) {
    // The look at the old row and the write see one state of the file.
    store::Transaction tx(maps.database());
    if (!tx.started()) return Failure{tx.startError()};
    QString location = request.folder;
    QString chosen = request.file;
    if (chosen.isEmpty()) {
        const Result<std::optional<store::MapDataRow>> old = maps.link(icao, number);
        if (!old) return Failure{old.error()};
        if (!*old)
            return std::optional<store::Refusal>(
                store::Refusal{QString::fromUtf8(kNoMapFileMessage), QString::fromUtf8(kNoMapFileTitle)});
        // A rename: the link keeps its file where it is.
        location = (*old)->Location;
        chosen = (*old)->File;
    }
    if (request.copy) {
        // The file as the viewer finds it, a stored path rebased too.
        const QString source = resolveMapPath(joinMapPath(location, chosen), dataFolder).path;
        const Result<QString> copy = copyIntoMapFolder(source, dataFolder, icao);
        if (!copy) return Failure{copy.error()};
        location = QFileInfo(*copy).path();
        chosen = QFileInfo(*copy).fileName();
    }
    // The stored folder carries no trailing separator.
    while (location.size() > 1 && (location.endsWith(u'/') || location.endsWith(u'\\'))) location.chop(1);
    const Result<bool> saved =
        maps.saveLink(icao, number, location, chosen, request.name.isEmpty() ? chosen : request.name);
    if (!saved) return Failure{saved.error()};
    const Result<bool> dated = maps.setValidUntil(icao, number, request.validUntil);
    if (!dated) return Failure{dated.error()};
    if (Result<> committed = tx.commit(); !committed) return Failure{committed.error()};
    return std::optional<store::Refusal>();
}

}  // namespace volmira::browser
