#pragma once

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

}  // namespace volmira::store
