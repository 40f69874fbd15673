#pragma once

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

struct Position {
    double latitude = 0;   // north positive
    double longitude = 0;  // east positive
};

// WGS_DLAT and WGS_DLONG with the signs of the hemisphere letters of
// COORDINATES ("5001.6 N / 00833.5 E"): the dialog stores both without sign.
// Without a readable letter the stored value is used as it is. Nothing when a
// value is missing.
[[nodiscard]] std::optional<Position> airportPosition(const store::ArptRow &airport);
// The airport's position when its latitude lies within +-90 and its
// longitude within +-180 degrees; nothing otherwise.
[[nodiscard]] std::optional<Position> earthPosition(const store::ArptRow &airport);

struct SunLines {
    QString sunrise;  // tSunrise
    QString sunset;   // tSunset
};

[[nodiscard]] SunLines sunLines(const SunEvents &events);
// The lines for an airport and day; a placeholder when the position is missing
// or the day invalid.
[[nodiscard]] SunLines sunLines(const store::ArptRow &airport, const QDate &day);

}  // namespace volmira::browser
