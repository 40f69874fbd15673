#include "browser/SunTimes.h"

#include <algorithm>
#include <cmath>

namespace volmira::browser {

namespace {

// The value of pi the formulas were fitted with; kept so the minutes agree.
constexpr double kPi = 3.14159265358979;

const QString kSunriseLabel = QStringLiteral("Sonnenaufgang:      ");
const QString kSunsetLabel = QStringLiteral("Sonnenuntergang:   ");
const QString kUtc = QStringLiteral(" [ UTC ]");

// Arc cosine written with the arc tangent, as the formulas were published;
// only called with -1 <= x <= 1.
double arccos(double x) {
    if (x == 1) return 0;
    if (x == -1) return kPi;
    return std::atan(-x / std::sqrt(1 - x * x)) + 2 * std::atan(1.0);
}

// Into 0 <= hours < 24.
double intoDay(double hours) {
    hours = std::fmod(hours, 24.0);
    if (hours < 0) hours += 24;
    if (hours >= 24) hours -= 24;  // a tiny negative value lands on 24 after the addition
    return hours;
}


}  // namespace

SunEvents sunEvents(double latitude, double longitude, int dayNumber) {
    const double n = dayNumber;
    const double equationOfTime = -0.1752 * std::sin(0.03343 * n + 0.5474) - 0.134 * std::sin(0.018234 * n - 0.1939);
    const double declination = 0.40954 * std::sin(0.01691 * (n - 79.34974));
    const double altitude = -(0.5 / 0.6) * 2 * kPi / 360;
    const double b = latitude * 2 * kPi / 360;
    const double x = (std::sin(altitude) - std::sin(b) * std::sin(declination)) / (std::cos(b) * std::cos(declination));
    if (x > 1) return {SunKind::PolarNight};
    if (x < -1) return {SunKind::PolarDay};
    const double halfDay = 12 * arccos(x) / kPi;
    return {SunKind::RiseAndSet, intoDay(12 - halfDay - equationOfTime - longitude / 15),
            intoDay(12 + halfDay - equationOfTime - longitude / 15)};
}

int sunDayNumber(const QDate &day) { return day.dayOfYear(); }

QString clockText(double hours) {
    // A value beyond any day (an impossible position) has no time to show.
    if (!std::isfinite(hours)) return QStringLiteral("--:--");
    hours = intoDay(hours);
    const double whole = std::floor(hours);
    // The product can round up to 60 just below a full hour.
    const int minutes = std::min(59, static_cast<int>(std::floor((hours - whole) * 60)));
    return QStringLiteral("%1:%2")
        .arg(static_cast<int>(whole), 2, 10, QLatin1Char('0'))
        .arg(minutes, 2, 10, QLatin1Char('0'));
}

SunLines sunLines(const SunEvents &events) {
    switch (events.kind) {
    case SunKind::PolarDay:
        return {kSunriseLabel + QStringLiteral("keiner (Polartag)"), kSunsetLabel + QStringLiteral("keiner (Polartag)")};
    case SunKind::PolarNight:
        return {kSunriseLabel + QStringLiteral("keiner (Polarnacht)"),
                kSunsetLabel + QStringLiteral("keiner (Polarnacht)")};
    case SunKind::RiseAndSet:
        break;
    }
    return {kSunriseLabel + clockText(events.riseHours) + kUtc, kSunsetLabel + clockText(events.setHours) + kUtc};
}

SunLines sunLines(const store::ArptRow &airport, const QDate &day) {
    const std::optional<Position> position = earthPosition(airport);
    if (!position || !day.isValid())
        return {kSunriseLabel + QStringLiteral("---"), kSunsetLabel + QStringLiteral("---")};
    return sunLines(sunEvents(position->latitude, position->longitude, sunDayNumber(day)));
}

}  // namespace volmira::browser
