#include "store/MapStore.h"

#include "platform/TestPause.h"
#include "store/Statements.h"
#include "store/Tables.h"

namespace volmira::store {

using platform::Failure;
using platform::Result;

namespace {

const std::string kLinkOfSlot = mapDataTable().select("WHERE ICAO = ?1 AND Number = ?2 ORDER BY id LIMIT 1");

// Every row of the slot: the (ICAO, Number) pair is not unique in older files.
constexpr const char *kSlotCondition = "WHERE ICAO = ? AND Number = ?";

}  // namespace

Result<std::vector<MapDataRow>> MapStore::ofAirport(const QString &icao) {
    Statement &s = db_.prepare(sql::kMapLinks.c_str());
    s.bind(1, icao);
    return s.allRows([](const Statement &row) { return mapDataTable().read(row); });
}

Result<std::optional<MapDataRow>> MapStore::link(const QString &icao, int number) {
    Statement &s = db_.prepare(kLinkOfSlot.c_str());
    s.bind(1, icao).bind(2, number);
    return s.firstRow([](const Statement &row) { return mapDataTable().read(row); });
}

Result<bool> MapStore::activate(const QString &icao, int number) {
    // One statement: the whole airport changes at once or not at all.
    Statement &s = db_.prepare(
        "UPDATE MAPDATA SET Active = (Number = ?2) WHERE ICAO = ?1 "
        "AND EXISTS (SELECT 1 FROM MAPDATA WHERE ICAO = ?1 AND Number = ?2)");
    s.bind(1, icao).bind(2, number);
    if (Result<> done = s.run(); !done) return Failure{done.error()};
    return db_.changes() > 0;
}

Result<bool> MapStore::saveLink(const QString &icao, int number, const QString &location, const QString &file,
                                const QString &name) {
    Transaction tx(db_);
    if (!tx.started()) return Failure{tx.startError()};
    const Result<std::optional<MapDataRow>> old = link(icao, number);
    if (!old) return Failure{old.error()};
    const bool overwrite = old->has_value();
    if (overwrite) {
        // Another file starts unturned, on its first page, fitted.
        static const std::string sql = mapDataTable().update("Name", "PdfZoom", kSlotCondition);
        MapDataRow row = **old;
        row.Name = name;
        row.Location = location;
        row.File = file;
        row.W1 = row.H1 = row.SX = row.SY = row.SW = row.SH = row.PdfZoom = 0;
        row.Rotation = row.PdfPage = 0;
        row.SlideMap = 100;
        Statement &s = db_.prepare(sql.c_str());
        const int next = mapDataTable().bind(s, row, "Name", "PdfZoom");
        if (Result<> done = s.bind(next, icao).bind(next + 1, number).run(); !done) return Failure{done.error()};
    } else {
        MapDataRow row;
        row.ICAO = icao;
        row.Number = number;
        row.Name = name;
        row.Location = location;
        row.File = file;
        if (Result<> done = insertRow(db_, mapDataTable(), row); !done) return Failure{done.error()};
    }
    if (Result<> committed = tx.commit(); !committed) return Failure{committed.error()};
    return overwrite;
}

Result<bool> MapStore::deleteLink(const QString &icao, int number) {
    Transaction tx(db_);
    if (!tx.started()) return Failure{tx.startError()};
    Statement &s = db_.prepare("DELETE FROM MAPDATA WHERE ICAO = ?1 AND Number = ?2");
    if (Result<> done = s.bind(1, icao).bind(2, number).run(); !done) return Failure{done.error()};
    const bool removed = db_.changes() > 0;
    if (Result<> committed = tx.commit(); !committed) return Failure{committed.error()};
    return removed;
}

Result<std::vector<MapDataRow>> MapStore::allLinks() {
    static const std::string sql = mapDataTable().select("WHERE Number BETWEEN 0 AND 9 ORDER BY ICAO, Number, id");
    return db_.prepare(sql.c_str()).allRows([](const Statement &row) { return mapDataTable().read(row); });
}

Result<std::vector<MapDataRow>> MapStore::validBefore(const QString &day) {
    // The stored form sorts as the days do; an empty or NULL date is no date.
    static const std::string sql = mapDataTable().select(
        "WHERE Number BETWEEN 0 AND 9 AND ValidUntil <> '' AND ValidUntil < ?1 ORDER BY ICAO, Number, id");
    Statement &s = db_.prepare(sql.c_str());
    s.bind(1, day);
    return s.allRows([](const Statement &row) { return mapDataTable().read(row); });
}

Result<bool> MapStore::setValidUntil(const QString &icao, int number, const QString &day) {
    Statement &s = db_.prepare("UPDATE MAPDATA SET ValidUntil = ?1 WHERE ICAO = ?2 AND Number = ?3");
    if (Result<> done = s.bind(1, day).bind(2, icao).bind(3, number).run(); !done) return Failure{done.error()};
    return db_.changes() > 0;
}

Result<> MapStore::moveLinks(const std::vector<LinkMove> &moves) {
    Transaction tx(db_);
    if (!tx.started()) return Failure{tx.startError()};
    for (const LinkMove &move : moves) {
        Statement &s = db_.prepare("UPDATE MAPDATA SET Location = ?1 WHERE id = ?2");
        if (Result<> done = s.bind(1, move.location).bind(2, move.id).run(); !done) return done;
        platform::pauseForTest("VOLMIRA_RELINK_PAUSE", "Umverknüpfen", "moved");
    }
    return tx.commit();
}

Result<> MapStore::saveTurnedView(const QString &icao, int number, const MapViewColumns &v, int rotation) {
    Statement &s = db_.prepare(
        "UPDATE MAPDATA SET W1 = ?1, H1 = ?2, SX = ?3, SY = ?4, SW = ?5, SH = ?6, SlideMap = ?7, Rotation = ?8 "
        "WHERE ICAO = ?9 AND Number = ?10");
    s.bind(1, v.W1).bind(2, v.H1).bind(3, v.SX).bind(4, v.SY).bind(5, v.SW).bind(6, v.SH).bind(7, v.SlideMap);
    return s.bind(8, rotation).bind(9, icao).bind(10, number).run();
}

Result<> MapStore::savePdfView(const QString &icao, int number, int page, double zoom, double x, double y) {
    Statement &s = db_.prepare(
        "UPDATE MAPDATA SET PdfPage = ?1, PdfZoom = ?2, SX = ?3, SY = ?4 WHERE ICAO = ?5 AND Number = ?6");
    return s.bind(1, page).bind(2, zoom).bind(3, x).bind(4, y).bind(5, icao).bind(6, number).run();
}

}  // namespace volmira::store
