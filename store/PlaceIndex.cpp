#include "store/PlaceIndex.h"

#include "store/ManagerStatements.h"
#include "store/Tables.h"

#include <sqlcipher/sqlite3.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace volmira::store {

namespace {

// The shortest degree of latitude (at the equator) is 110,574 m; a little less keeps a margin.
constexpr double kMetresPerDegreeLatitude = 110'500;
constexpr double kRadians = std::numbers::pi / 180;

std::optional<double> optionalDouble(sqlite3_value *value) {
    if (sqlite3_value_type(value) == SQLITE_NULL) return std::nullopt;
    return sqlite3_value_double(value);
}

// airport_latitude / airport_longitude; the user data tells which.
void airportPlace(sqlite3_context *context, int, sqlite3_value **values) {
    ArptRow airport;
    airport.COORDINATES = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_value_text(values[0])));
    airport.WGS_DLAT = optionalDouble(values[1]);
    airport.WGS_DLONG = optionalDouble(values[2]);
    const std::optional<Position> position = earthPosition(airport);
    if (!position) return sqlite3_result_null(context);
    sqlite3_result_double(context, sqlite3_user_data(context) ? position->longitude : position->latitude);
}

int addPlaceFunction(sqlite3 *db, const char *name, bool longitude) {
    return sqlite3_create_function_v2(db, name, 3, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                      longitude ? db : nullptr, airportPlace, nullptr, nullptr, nullptr);
}

}  // namespace

std::string placeStatement(const AirportFilter &filter) {
    return arptTable().select(
        "WHERE rowid IN (SELECT id FROM ArptPlace WHERE minLat <= ?5 AND maxLat >= ?4 AND minLon <= ?7 AND "
        "maxLon >= ?6 UNION ALL SELECT id FROM ArptPlace WHERE minLat <= ?9 AND maxLat >= ?8 AND minLon <= ?11 "
        "AND maxLon >= ?10)" +
        sql::filterConditions(filter.surface, filter.type));
}

int addAirportPlaceFunctions(sqlite3 *db) {
    const int rc = addPlaceFunction(db, "airport_latitude", false);
    return rc == SQLITE_OK ? addPlaceFunction(db, "airport_longitude", true) : rc;
}

std::vector<PlaceBox> boxesAround(const Position &centre, double metres) {
    const double reach = metres / kMetresPerDegreeLatitude;  // degrees of latitude
    const double south = centre.latitude - reach, north = centre.latitude + reach;
    if (south <= -90 || north >= 90) return {{std::max(south, -90.0), std::min(north, 90.0), -180, 180}};
    // On the sphere the widest longitude a circle of angular radius r around
    // latitude p reaches is asin(sin r / cos p); a percent more for the ellipsoid.
    const double sine = std::sin(reach * kRadians) / std::cos(centre.latitude * kRadians);
    const double wide = sine >= 1 ? 180 : std::asin(sine) / kRadians * 1.01 + 1e-6;
    if (wide >= 180) return {{south, north, -180, 180}};
    const double west = centre.longitude - wide, east = centre.longitude + wide;
    if (west < -180) return {{south, north, west + 360, 180}, {south, north, -180, east}};
    if (east > 180) return {{south, north, west, 180}, {south, north, -180, east - 360}};
    return {{south, north, west, east}};
}

platform::Result<std::vector<ArptRow>> airportsInBoxes(Database &db, const std::vector<PlaceBox> &boxes,
                                                       const AirportFilter &filter) {
    const platform::Result<bool> indexed = db.hasTable("ArptPlace");
    if (!indexed) return platform::Failure{indexed.error()};
    // An older file opened only for reading has no index yet: every airport is a candidate.
    if (!*indexed) {
        Statement &all = db.prepare(
            arptTable().select("WHERE 1" + sql::filterConditions(filter.surface, filter.type)).c_str());
        if (sql::usesMinLength(filter.surface)) all.bind(3, filter.minLength);
        return all.allRows([](const Statement &row) { return arptTable().read(row); });
    }
    Statement &s = db.prepare(placeStatement(filter).c_str());
    if (sql::usesMinLength(filter.surface)) s.bind(3, filter.minLength);
    for (int i = 0; i < 2; ++i) {
        const PlaceBox &box = i < int(boxes.size()) ? boxes[size_t(i)] : kNoPlaceBox;
        s.bind(4 + 4 * i, box.south).bind(5 + 4 * i, box.north).bind(6 + 4 * i, box.west).bind(7 + 4 * i, box.east);
    }
    return s.allRows([](const Statement &row) { return arptTable().read(row); });
}

}  // namespace volmira::store
