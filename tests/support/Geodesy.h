#pragma once

#include <cmath>
#include <numbers>

// Independent reckonings to check the program's distances and courses against,
// written out here rather than taken from the library the program uses.
namespace volmira::test {

inline constexpr double kRadians = std::numbers::pi / 180;

// Andoyer-Lambert on the WGS84 ellipsoid: within some 50 m of the exact figure
// up to 4000 NM.
inline double andoyerNauticalMiles(double latitude1, double longitude1, double latitude2, double longitude2) {
    const double a = 6378137.0, f = 1 / 298.257223563;
    const double F = (latitude1 + latitude2) / 2 * kRadians, G = (latitude1 - latitude2) / 2 * kRadians,
                 L = (longitude1 - longitude2) / 2 * kRadians;
    auto sq = [](double x) { return x * x; };
    const double S = sq(std::sin(G) * std::cos(L)) + sq(std::cos(F) * std::sin(L));
    const double C = sq(std::cos(G) * std::cos(L)) + sq(std::sin(F) * std::sin(L));
    const double w = std::atan(std::sqrt(S / C)), R = std::sqrt(S * C) / w;
    const double H1 = (3 * R - 1) / (2 * C), H2 = (3 * R + 1) / (2 * S);
    return 2 * w * a * (1 + f * H1 * sq(std::sin(F) * std::cos(G)) - f * H2 * sq(std::cos(F) * std::sin(G))) / 1852;
}

// The initial course on a sphere, degrees from north; within 0.2 degrees of the
// ellipsoid's. The final course is the reverse of the initial one back, turned round.
inline double sphericalCourse(double latitude1, double longitude1, double latitude2, double longitude2) {
    const double p1 = latitude1 * kRadians, p2 = latitude2 * kRadians, dl = (longitude2 - longitude1) * kRadians;
    return std::atan2(std::sin(dl) * std::cos(p2), std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(dl)) /
           kRadians;
}

}  // namespace volmira::test
