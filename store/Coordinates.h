#pragma once

#include "store/Rows.h"

#include <QString>

#include <optional>

// The position texts of an airport record: latitude "ddmm.m", longitude
// "dddmm.m" (degrees and minutes to one decimal, no sign), and COORDINATES
// "ddmm.m N / dddmm.m E".
namespace volmira::store {

// Degrees and minutes of the magnitude, minutes rounded to a tenth; 59.96'
// becomes the next whole degree.
[[nodiscard]] QString latitudeText(double degrees);
[[nodiscard]] QString longitudeText(double degrees);

// COORDINATES from signed decimal degrees (north and east positive). A value
// that rounds to zero counts as north or east.
[[nodiscard]] QString coordinatesText(double latitude, double longitude);

// Decimal degrees from a latitude or longitude text as the airport dialog
// computes them: "," is read as the decimal point, x = the number,
// q = x / 100, d = floor(q), result d + (q - d) * 10 / 6. Empty when the
// text is not a number.
[[nodiscard]] std::optional<double> degreesFromText(const QString &text);

struct Position {
    double latitude = 0;   // north positive
    double longitude = 0;  // east positive
};

// WGS_DLAT and WGS_DLONG with the signs of the hemisphere letters of
// COORDINATES ("5001.6 N / 00833.5 E"): the dialog stores both without sign.
// Without a readable letter the stored value is used as it is. Nothing when a
// value is missing.
[[nodiscard]] std::optional<Position> airportPosition(const ArptRow &airport);
// The airport's position when its latitude lies within +-90 and its
// longitude within +-180 degrees; nothing otherwise.
[[nodiscard]] std::optional<Position> earthPosition(const ArptRow &airport);

}  // namespace volmira::store
