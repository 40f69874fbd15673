#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cmath>
#include <numbers>

// Independent reckonings for the distance and nearby tests: written here from
// the published formulas and read from the raw data files, not the program's
// library or code path.
namespace volmira::test {

inline constexpr double kRadians = std::numbers::pi / 180;
inline double sq(double x) { return x * x; }

// Andoyer-Lambert on the WGS84 ellipsoid: within some 50 m of the exact figure up to 4000 NM.
inline double andoyerNauticalMiles(double lat1, double lon1, double lat2, double lon2) {
    const double a = 6378137.0, f = 1 / 298.257223563;
    const double F = (lat1 + lat2) / 2 * kRadians, G = (lat1 - lat2) / 2 * kRadians, L = (lon1 - lon2) / 2 * kRadians;
    const double S = sq(std::sin(G) * std::cos(L)) + sq(std::cos(F) * std::sin(L));
    const double C = sq(std::cos(G) * std::cos(L)) + sq(std::sin(F) * std::sin(L));
    const double w = std::atan(std::sqrt(S / C)), R = std::sqrt(S * C) / w;
    const double H1 = (3 * R - 1) / (2 * C), H2 = (3 * R + 1) / (2 * S);
    return 2 * w * a * (1 + f * H1 * sq(std::sin(F) * std::cos(G)) - f * H2 * sq(std::cos(F) * std::sin(G))) / 1852;
}

// The fields of one line of an RFC 4180 file whose records take one line each.
inline QStringList csvFields(const QString &line) {
    QStringList fields{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') fields.last() += line[++i];
        else if (c == u'"') quoted = !quoted;
        else if (c == u',' && !quoted) fields << QString();
        else fields.last() += c;
    }
    return fields;
}

}  // namespace volmira::test
