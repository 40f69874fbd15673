#include "store/Coordinates.h"

#include <cmath>

namespace volmira::store {

namespace {

// Tenths of arc minutes: rounding once here carries 60.0' into the degree.
long long tenthsOfMinutes(double degrees) { return std::llround(std::abs(degrees) * 600.0); }

QString degreesMinutes(double degrees, int degreeDigits) {
    const long long tenths = tenthsOfMinutes(degrees);
    const long long minuteTenths = tenths % 600;
    return QStringLiteral("%1%2.%3")
        .arg(tenths / 600, degreeDigits, 10, QLatin1Char('0'))
        .arg(minuteTenths / 10, 2, 10, QLatin1Char('0'))
        .arg(minuteTenths % 10);
}

QChar hemisphere(double degrees, char positive, char negative) {
    return QLatin1Char(degrees < 0 && tenthsOfMinutes(degrees) != 0 ? negative : positive);
}

// The value with the sign of the hemisphere letter at the end of part, or as
// stored when there is no such letter.
double withHemisphere(double value, QStringView part, char16_t positive, char16_t negative) {
    if (part.isEmpty()) return value;
    const char16_t letter = part.back().toUpper().unicode();
    if (letter == positive) return std::abs(value);
    if (letter == negative) return -std::abs(value);
    return value;
}

}  // namespace

QString latitudeText(double degrees) { return degreesMinutes(degrees, 2); }

QString longitudeText(double degrees) { return degreesMinutes(degrees, 3); }

QString coordinatesText(double latitude, double longitude) {
    return QStringLiteral("%1 %2 / %3 %4")
        .arg(latitudeText(latitude), hemisphere(latitude, 'N', 'S'), longitudeText(longitude),
             hemisphere(longitude, 'E', 'W'));
}

std::optional<double> degreesFromText(const QString &text) {
    bool ok = false;
    // QString::toDouble reads the C locale, whatever the user's locale is.
    const double x = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(x)) return std::nullopt;
    const double q = x / 100.0;
    const double d = std::floor(q);
    return d + ((q - d) * 10.0) / 6.0;
}

std::optional<Position> airportPosition(const ArptRow &airport) {
    if (!airport.WGS_DLAT || !airport.WGS_DLONG) return std::nullopt;
    const QStringView coordinates(airport.COORDINATES);
    const qsizetype slash = coordinates.indexOf(u'/');
    const QStringView latitudeText = (slash < 0 ? coordinates : coordinates.left(slash)).trimmed();
    const QStringView longitudeText = slash < 0 ? QStringView() : coordinates.mid(slash + 1).trimmed();
    return Position{withHemisphere(*airport.WGS_DLAT, latitudeText, u'N', u'S'),
                    withHemisphere(*airport.WGS_DLONG, longitudeText, u'E', u'W')};
}

std::optional<Position> earthPosition(const ArptRow &airport) {
    const std::optional<Position> position = airportPosition(airport);
    if (!position || !(std::abs(position->latitude) <= 90) || !(std::abs(position->longitude) <= 180))
        return std::nullopt;
    return position;
}

}  // namespace volmira::store
