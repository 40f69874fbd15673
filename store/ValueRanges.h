#pragma once

#include <cmath>

namespace volmira::store {

// A closed range of values; NaN and infinities lie outside every range.
struct ValueRange {
    double lowest;
    double highest;
    [[nodiscard]] constexpr bool holds(double value) const {
        return std::isfinite(value) && value >= lowest && value <= highest;
    }
};

// What an airport row can hold: the ranges the entry dialogs accept, checked
// alike by the update import and the shipped build.
inline constexpr ValueRange kLatitudeRange{-90, 90};
inline constexpr ValueRange kLongitudeRange{-180, 180};
inline constexpr ValueRange kElevationFeetRange{-2000, 30000};
inline constexpr ValueRange kVariationRange{-180, 180};

}  // namespace volmira::store
