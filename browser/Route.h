#pragma once

#include "browser/SunTimes.h"

#include <QString>

#include <optional>

// Distance and courses from one airport to another along the shortest line on
// the WGS84 ellipsoid, as a pilot plans a leg.
namespace volmira::browser {

struct Route {
    double nauticalMiles = 0;
    double kilometres = 0;
    double initialTrue = 0;  // true course at departure, degrees from north, 0 <= c < 360
    double finalTrue = 0;    // true course on arrival
    // The initial course less the departure's variation (east positive);
    // nothing when the departure has no variation.
    std::optional<double> initialMagnetic;
};

// Between two positions (earthPosition of the airports); the variation is the
// one the airport window shows for the departure, its stored MAG_VAR.
[[nodiscard]] Route route(const Position &from, const Position &to, std::optional<double> variation);

// A course as three digits, rounded to the whole degree: "005", "359"; 359.6 gives "000".
[[nodiscard]] QString courseText(double degrees);

// A distance with one decimal and a decimal comma: "161,6".
[[nodiscard]] QString distanceText(double value);

}  // namespace volmira::browser
