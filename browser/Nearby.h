#pragma once

#include "browser/Route.h"
#include "platform/Result.h"
#include "store/AirportFilter.h"
#include "store/Database.h"
#include "store/Rows.h"

#include <QString>
#include <QStringList>

#include <vector>

// The airports within a radius of the current airport, with distance and
// courses from it, as the window "Flughäfen in der Nähe" and `nearby` list
// them; and the radius the user chose last (Umkreis.crm in the data folder,
// one bare number of nautical miles).
namespace volmira::browser {

struct NearbyAirport {
    store::ArptRow airport;
    Route route;  // from the current airport, with its variation
};

// The airports other than `centre` at most `radiusNm` from it along the
// ellipsoid that pass the database manager's filter, nearest first (code
// order between equal distances). Fails with noPositionMessage when the
// centre has no position on the earth.
[[nodiscard]] platform::Result<std::vector<NearbyAirport>> nearbyAirports(store::Database &db,
                                                                          const store::ArptRow &centre,
                                                                          double radiusNm,
                                                                          const store::AirportFilter &filter);

// The cells of a row of the window's list: ICAO, name, distance NM and km,
// true and magnetic course, longest hard and grass runway, type.
[[nodiscard]] QStringList nearbyCells(const NearbyAirport &nearby);

// "EDXX hat keine gültigen Koordinaten (\"…\").", the coordinates as stored.
[[nodiscard]] QString noPositionMessage(const store::ArptRow &airport);

inline constexpr char kRadiusFileName[] = "Umkreis.crm";
inline constexpr int kDefaultRadiusNm = 50;
inline constexpr int kMaxRadiusNm = 2000;

// The radius of the file; kDefaultRadiusNm when it is missing or holds no
// whole number from 1 to kMaxRadiusNm.
[[nodiscard]] int readRadius(const QString &path);
// Replaces the file atomically.
[[nodiscard]] platform::Result<> writeRadius(const QString &path, int radiusNm);

}  // namespace volmira::browser
