#include "browser/Nearby.h"

#include "store/PlaceIndex.h"
#include "store/WriteNotation.h"

#include <algorithm>

namespace volmira::browser {

namespace {

constexpr double kMetresPerNauticalMile = 1852;

}  // namespace

QStringList nearbyCells(const NearbyAirport &nearby) {
    const store::ArptRow &a = nearby.airport;
    const Route &r = nearby.route;
    const auto metres = [](std::optional<int> length) {
        return length && *length > 0 ? QStringLiteral("%1 m").arg(*length) : QString();
    };
    return {a.ICAO.trimmed(),
            a.Name,
            distanceText(r.nauticalMiles),
            distanceText(r.kilometres),
            courseText(r.initialTrue) + u'°',
            r.initialMagnetic ? courseText(*r.initialMagnetic) + u'°' : QStringLiteral("---"),
            metres(a.RwyALen),
            metres(a.RwyGLen),
            a.Type};
}

QString noPositionMessage(const store::ArptRow &airport) {
    return QStringLiteral("%1 hat keine gültigen Koordinaten (\"%2\").").arg(airport.ICAO.trimmed(), airport.COORDINATES);
}

platform::Result<std::vector<NearbyAirport>> nearbyAirports(store::Database &db, const store::ArptRow &centre,
                                                            double radiusNm, const store::AirportFilter &filter) {
    const std::optional<Position> from = earthPosition(centre);
    if (!from) return platform::Failure{noPositionMessage(centre)};
    const auto candidates =
        store::airportsInBoxes(db, store::boxesAround(*from, radiusNm * kMetresPerNauticalMile), filter);
    if (!candidates) return platform::Failure{candidates.error()};
    std::vector<NearbyAirport> found;
    for (const store::ArptRow &airport : *candidates) {
        const std::optional<Position> to = earthPosition(airport);
        if (!to || airport.ICAO.trimmed().compare(centre.ICAO.trimmed(), Qt::CaseInsensitive) == 0) continue;
        const Route leg = route(*from, *to, centre.MAG_VAR);
        if (leg.nauticalMiles <= radiusNm) found.push_back({airport, leg});
    }
    std::ranges::sort(found, [](const NearbyAirport &a, const NearbyAirport &b) {
        if (a.route.nauticalMiles != b.route.nauticalMiles) return a.route.nauticalMiles < b.route.nauticalMiles;
        return a.airport.ICAO < b.airport.ICAO;
    });
    return found;
}

int readRadius(const QString &path) {
    const std::optional<QList<store::WrittenValue>> values = store::readWrittenFile(path);
    if (!values || values->isEmpty()) return kDefaultRadiusNm;
    const std::optional<qint64> radius = values->front().integer();
    return radius && *radius >= 1 && *radius <= kMaxRadiusNm ? int(*radius) : kDefaultRadiusNm;
}

platform::Result<> writeRadius(const QString &path, int radiusNm) {
    return store::writeWrittenFile(path, {store::bareNumber(radiusNm)});
}

}  // namespace volmira::browser
