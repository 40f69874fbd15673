#include "browser/SunTimes.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace volmira::browser;
using volmira::store::ArptRow;

namespace {

ArptRow airportAt(const char *coordinates, double storedLatitude, double storedLongitude) {
    return {{}, {}, coordinates, storedLatitude, storedLongitude};
}

SunEvents eventsAt(const ArptRow &airport, QDate day) {
    const Position p = airportPosition(airport).value();
    return sunEvents(p.latitude, p.longitude, sunDayNumber(day));
}

}  // namespace

TEST(SunTimes, WorkedExampleAtFiftyNorth) {
    const SunEvents events = sunEvents(50.0, 8.6, 172);
    ASSERT_EQ(events.kind, SunKind::RiseAndSet);
    EXPECT_NEAR(events.riseHours, 3.268, 0.001);
    EXPECT_NEAR(events.setHours, 19.644, 0.001);
    const SunLines lines = sunLines(events);
    EXPECT_EQ(lines.sunrise, "Sonnenaufgang:      03:16 [ UTC ]");
    EXPECT_EQ(lines.sunset, "Sonnenuntergang:   19:38 [ UTC ]");
}

TEST(SunTimes, PolarDayAndNightSaySoInsteadOfATime) {
    const ArptRow longyearbyen = airportAt("7814.8 N / 01528.0 E", 78.2467, 15.4667);
    EXPECT_EQ(sunLines(longyearbyen, QDate(2026, 6, 15)).sunset, "Sonnenuntergang:   keiner (Polartag)");
    EXPECT_EQ(sunLines(longyearbyen, QDate(2026, 12, 15)).sunrise, "Sonnenaufgang:      keiner (Polarnacht)");
}

TEST(SunTimes, HemisphereLettersOfSouthernAndWesternAirports) {
    // Sydney: long days in December, sunrise about 05:40 local daylight time = 18:40 UTC.
    const ArptRow sydney = airportAt("3356.8 S / 15110.6 E", 33.9467, 151.1767);
    EXPECT_NEAR(eventsAt(sydney, QDate(2026, 12, 21)).riseHours, 18.7, 0.2);
    // New York in June: 05:25 local daylight time = 09:25 UTC, not around midnight.
    const ArptRow kennedy = airportAt("4038.4 N / 07346.7 W", 40.64, 73.7783);
    EXPECT_NEAR(eventsAt(kennedy, QDate(2026, 6, 21)).riseHours, 9.42, 0.1);
}

TEST(SunTimes, SignsComeFromTheLettersElseFromTheStoredValue) {
    const struct {
        const char *coordinates;
        double storedLatitude, storedLongitude, latitude, longitude;
    } cases[] = {
        {"3356.8 s / 07346.7 w", 33.9, 73.7, -33.9, -73.7},
        {"5001.6 N / 00833.5 E", -50.0, -8.5, 50.0, 8.5},  // the letter wins over a stored sign
        {"5001.6 / 00833.5", -50.0, 8.5, -50.0, 8.5},      // no letters
        {"5001.6 N", 50.0, -8.5, 50.0, -8.5},              // no longitude part
        {"", 12.5, -7.25, 12.5, -7.25},
    };
    for (const auto &c : cases) {
        const Position p = airportPosition(airportAt(c.coordinates, c.storedLatitude, c.storedLongitude)).value();
        EXPECT_EQ(p.latitude, c.latitude) << c.coordinates;
        EXPECT_EQ(p.longitude, c.longitude) << c.coordinates;
    }
}

TEST(SunTimes, MissingPositionOrDayGivesPlaceholderLines) {
    const ArptRow noLongitude{{}, {}, "5001.6 N / 00833.5 E", 50.0, std::nullopt};
    const ArptRow complete = airportAt("5001.6 N / 00833.5 E", 50.0, 8.6);
    // Impossible positions: no time is made of them.
    const ArptRow beyondThePole = airportAt("", 95.5, 8.6), huge = airportAt("", 1.7e308, 8.6);
    for (const SunLines &lines : {sunLines(noLongitude, QDate(2026, 6, 21)), sunLines(complete, QDate()),
                                  sunLines(beyondThePole, QDate(2026, 6, 21)), sunLines(huge, QDate(2026, 6, 21))}) {
        EXPECT_EQ(lines.sunrise, "Sonnenaufgang:      ---");
        EXPECT_EQ(lines.sunset, "Sonnenuntergang:   ---");
    }
}

TEST(SunTimes, DayNumbersAndTruncatedMinutes) {
    EXPECT_EQ(sunDayNumber(QDate(2026, 1, 1)), 1);
    EXPECT_EQ(sunDayNumber(QDate(2024, 12, 31)), 366);
    EXPECT_EQ(sunDayNumber(QDate(2150, 6, 21)), 172);
    EXPECT_EQ(clockText(3.2999), "03:17");
    EXPECT_EQ(clockText(23.99999999999999), "23:59");
}
