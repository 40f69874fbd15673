#pragma once

#include "platform/Result.h"
#include "store/Database.h"
#include "store/Rows.h"

#include <optional>
#include <vector>

namespace volmira::store {

// The map slots an airport can have: Number 0 to 9.
inline constexpr int kMapSlots = 10;

// The view columns of a MAPDATA row: W1, H1, SX, SY, SW, SH, SlideMap.
struct MapViewColumns {
    double W1 = 0, H1 = 0, SX = 0, SY = 0, SW = 0, SH = 0;
    int SlideMap = 0;
    friend bool operator==(const MapViewColumns &, const MapViewColumns &) = default;
};

// The map links of the airports (MAPDATA). Each write is one statement or one
// transaction, so an interrupted write leaves a row as it was before or after.
class MapStore {
public:
    explicit MapStore(Database &db) : db_(db) {}

    // The airport's links by Number, in one statement; rows whose Number is
    // outside 0 to 9 are left out.
    [[nodiscard]] platform::Result<std::vector<MapDataRow>> ofAirport(const QString &icao);
    // The link of one slot; nothing when the slot is free.
    [[nodiscard]] platform::Result<std::optional<MapDataRow>> link(const QString &icao, int number);

    // Makes the slot the airport's active map and every other row inactive, in
    // one statement. False, and nothing changed, when the slot is free.
    [[nodiscard]] platform::Result<bool> activate(const QString &icao, int number);

    // Links a file to the slot in one transaction: overwrites the slot's row
    // (SlideMap 100, Active kept) or adds one (SlideMap 0, inactive); the
    // stored view is reset either way. Gives true when a row was overwritten.
    [[nodiscard]] platform::Result<bool> saveLink(const QString &icao, int number, const QString &location,
                                                  const QString &file, const QString &name);
    // Removes the slot's link in one transaction; false when the slot was free.
    [[nodiscard]] platform::Result<bool> deleteLink(const QString &icao, int number);

    Database &database() { return db_; }

    // Links over all airports, validity and moved chart folders.

    // Every link of every airport (Number 0 to 9), by ICAO and Number, in one statement.
    [[nodiscard]] platform::Result<std::vector<MapDataRow>> allLinks();
    // The links whose last valid day (ValidUntil, yyyy-MM-dd) lies before `day`
    // (yyyy-MM-dd), by ICAO and Number; links without a date are not among them.
    [[nodiscard]] platform::Result<std::vector<MapDataRow>> validBefore(const QString &day);
    // Sets the slot's last valid day (yyyy-MM-dd; empty: no date), one statement;
    // false when the slot is free.
    [[nodiscard]] platform::Result<bool> setValidUntil(const QString &icao, int number, const QString &day);

    struct LinkMove {
        long long id = 0;
        QString location;
    };
    // Gives each row (by id) its new Location in one transaction: all move or none.
    [[nodiscard]] platform::Result<> moveLinks(const std::vector<LinkMove> &moves);

    // The chart viewer's writes, each one statement; nothing when the slot is free.
    // The view of a picture and its quarter turns (SX to SH reckoned in the turned picture).
    [[nodiscard]] platform::Result<> saveTurnedView(const QString &icao, int number, const MapViewColumns &view,
                                                    int rotation);
    // Where a PDF chart was left: its page, zoom (0: fitted to the width) and
    // the scroll position within the page in SX and SY (view pixels).
    [[nodiscard]] platform::Result<> savePdfView(const QString &icao, int number, int page, double zoom, double x,
                                                 double y);

private:
    Database &db_;
};

}  // namespace volmira::store
