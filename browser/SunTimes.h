#pragma once

#include "store/Coordinates.h"
#include "store/Rows.h"

#include <QDate>
#include <QString>

#include <optional>

// Sunrise and sunset in UTC for the current airport and a chosen day: a short
// closed-form approximation (equation of time and declination as sine terms of
// the day number, sun altitude -0.8333 degrees at rise and set).
namespace volmira::browser {

enum class SunKind {
    RiseAndSet,
    PolarDay,    // the sun stays above the horizon all day
    PolarNight,  // the sun stays below the horizon all day
};

struct SunEvents {
    SunKind kind = SunKind::RiseAndSet;
    double riseHours = 0;  // UTC, 0 <= h < 24; only for RiseAndSet
    double setHours = 0;
};

// Latitude north positive, longitude east positive, decimal degrees;
// dayNumber 1 for 1 January.
[[nodiscard]] SunEvents sunEvents(double latitude, double longitude, int dayNumber);

// The day number of the formulas: the day of the year (1 January gives 1).
[[nodiscard]] int sunDayNumber(const QDate &day);

// "hh:mm" of a time in hours; minutes are truncated, not rounded.
[[nodiscard]] QString clockText(double hours);

using store::airportPosition;
using store::earthPosition;
using store::Position;

struct SunLines {
    QString sunrise;  // tSunrise
    QString sunset;   // tSunset
};

[[nodiscard]] SunLines sunLines(const SunEvents &events);
// The lines for an airport and day; a placeholder when the position is missing
// or the day invalid.
[[nodiscard]] SunLines sunLines(const store::ArptRow &airport, const QDate &day);

}  // namespace volmira::browser
