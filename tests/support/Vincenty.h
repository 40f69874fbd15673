#pragma once

#include <QString>

// An independent reckoning of distances and courses to check the program's
// against: Vincenty's inverse formula on the WGS84 ellipsoid, written out here,
// on the coordinates of the raw airport list.
namespace volmira::test {

struct Geodesic {
    double metres = 0;
    double initial = 0;  // degrees from north, -180..180
    double final = 0;    // the course on arrival, same range
};

// Converges for everything but nearly opposite points, which no test uses.
Geodesic vincentyInverse(double latitude1, double longitude1, double latitude2, double longitude2);

struct CsvPosition {
    double latitude = 0, longitude = 0;
};
// latitude_deg and longitude_deg of an airport in data/ourairports/airports.csv.
CsvPosition csvPosition(const QString &icao);

}  // namespace volmira::test
