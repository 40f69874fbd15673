#pragma once

#include "platform/Result.h"
#include "store/AirportFilter.h"
#include "store/Coordinates.h"
#include "store/Database.h"
#include "store/Rows.h"

#include <string>
#include <vector>

struct sqlite3;

// The airports' places in an R*Tree (ArptPlace), so that the airports around a
// point are found without reading every airport. Its rows are ARPT's row ids
// with the signed position as a box of zero size, in degrees. Triggers on ARPT
// keep it in step in the statement that writes the airport, whoever writes it
// (the dialogs, an import, the shipped data's build,
// a test's SQL); they read the sign from
// the hemisphere letters through addAirportPlaceFunctions, the same reading the
// windows use (earthPosition), since the engine alone cannot.
namespace volmira::store {

// The table and its triggers; the same text makes a new file and upgrades an
// old one. The R*Tree keeps single-precision boxes rounded outwards, so a
// stored point may lie a few metres beside its airport: the caller measures
// the exact distance from the airport row anyway.
inline constexpr const char *kPlaceIndexSchema = R"SQL(
CREATE VIRTUAL TABLE ArptPlace USING rtree(
  id,              -- the ARPT row id
  minLat, maxLat,  -- degrees, north positive
  minLon, maxLon   -- degrees, east positive
);
CREATE TRIGGER ARPT_Place_Add AFTER INSERT ON ARPT BEGIN
  INSERT INTO ArptPlace SELECT new.rowid, lat, lat, lon, lon FROM (SELECT
    airport_latitude(new.COORDINATES, new.WGS_DLAT, new.WGS_DLONG) AS lat,
    airport_longitude(new.COORDINATES, new.WGS_DLAT, new.WGS_DLONG) AS lon) WHERE lat IS NOT NULL;
END;
CREATE TRIGGER ARPT_Place_Change AFTER UPDATE OF COORDINATES, WGS_DLAT, WGS_DLONG ON ARPT BEGIN
  DELETE FROM ArptPlace WHERE id = old.rowid;
  INSERT INTO ArptPlace SELECT new.rowid, lat, lat, lon, lon FROM (SELECT
    airport_latitude(new.COORDINATES, new.WGS_DLAT, new.WGS_DLONG) AS lat,
    airport_longitude(new.COORDINATES, new.WGS_DLAT, new.WGS_DLONG) AS lon) WHERE lat IS NOT NULL;
END;
CREATE TRIGGER ARPT_Place_Delete AFTER DELETE ON ARPT BEGIN
  DELETE FROM ArptPlace WHERE id = old.rowid;
END;
)SQL";

// Fills the index from the airports already stored (after kPlaceIndexSchema).
inline constexpr const char *kPlaceIndexFill = R"SQL(
INSERT INTO ArptPlace SELECT rowid, lat, lat, lon, lon FROM (SELECT rowid,
  airport_latitude(COORDINATES, WGS_DLAT, WGS_DLONG) AS lat,
  airport_longitude(COORDINATES, WGS_DLAT, WGS_DLONG) AS lon FROM ARPT) WHERE lat IS NOT NULL;
)SQL";

// Adds airport_latitude(COORDINATES, WGS_DLAT, WGS_DLONG) and
// airport_longitude(...) to a connection: earthPosition's signed degrees, NULL
// where there is none. The engine's result code.
int addAirportPlaceFunctions(sqlite3 *db);

// A box of latitudes and longitudes, degrees; west <= east.
struct PlaceBox {
    double south = 0, north = 0, west = 0, east = 0;
};

// A box that holds no place (south > north), for a second box not needed.
inline constexpr PlaceBox kNoPlaceBox{1, -1, 0, 0};

// The boxes that hold every point within `metres` of `centre` along the
// ellipsoid: one box, or two where it would cross the antimeridian; all
// longitudes where it reaches a pole.
[[nodiscard]] std::vector<PlaceBox> boxesAround(const Position &centre, double metres);

// The airports placed in any of the boxes (at most two) that pass the
// manager's filter, every ARPT column; in no particular order. One statement.
// On an older file read as it is, without the index, every airport that
// passes the filter.
// Its statement: the two boxes are ?4 to ?7 and ?8 to ?11 (south, north,
// west, east), ?3 the filter's minimum length where it has one.
[[nodiscard]] std::string placeStatement(const AirportFilter &filter);
[[nodiscard]] platform::Result<std::vector<ArptRow>> airportsInBoxes(Database &db, const std::vector<PlaceBox> &boxes,
                                                                     const AirportFilter &filter);

}  // namespace volmira::store
