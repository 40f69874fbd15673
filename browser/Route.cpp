#include "browser/Route.h"

#include <GeographicLib/Geodesic.hpp>

#include <cmath>

namespace volmira::browser {

namespace {

constexpr double kMetresPerNauticalMile = 1852;

// Into 0 <= d < 360.
double normalized(double degrees) {
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360 : d;
}

}  // namespace

Route route(const Position &from, const Position &to, std::optional<double> variation) {
    double metres = 0, initial = 0, final = 0;
    GeographicLib::Geodesic::WGS84().Inverse(from.latitude, from.longitude, to.latitude, to.longitude, metres,
                                             initial, final);
    return {.nauticalMiles = metres / kMetresPerNauticalMile,
            .kilometres = metres / 1000,
            .initialTrue = normalized(initial),
            .finalTrue = normalized(final),
            .initialMagnetic = variation ? std::optional(normalized(initial - *variation)) : std::nullopt};
}

QString courseText(double degrees) {
    return QStringLiteral("%1").arg(static_cast<int>(std::lround(normalized(degrees))) % 360, 3, 10, QLatin1Char('0'));
}

QString distanceText(double value) { return QString::number(value, 'f', 1).replace(u'.', u','); }

}  // namespace volmira::browser
