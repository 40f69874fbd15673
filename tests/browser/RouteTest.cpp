#include "browser/Route.h"
#include "support/Vincenty.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

using namespace volmira::browser;
using volmira::test::csvPosition;

namespace {

// The difference of two courses the short way round, so that 359.99 and 0.01 agree.
double courseDifference(double a, double b) { return std::abs(std::remainder(a - b, 360.0)); }

}  // namespace

TEST(Route, AgreesWithVincentyOnTheRawCoordinates) {
    struct Leg {
        const char *from, *to;
        std::optional<double> variation;
    };
    const Leg legs[] = {
        {"EDDF", "EDDM", 3.0},
        {"EDDF", "KJFK", -1.5},     // long haul, western arrival
        {"NZAA", "PHNL", 19.5},     // across the antimeridian
        {"ENSB", "PABR", 14.0},     // over the pole region
        {"EDDF", "EDDH", 20.0},     // course about 013: the magnetic one wraps below 000
        {"KJFK", "EDDF", -13.0},    // west variation adds
        {"EDDM", "EDDF", std::nullopt},
    };
    for (const Leg &leg : legs) {
        SCOPED_TRACE(std::string(leg.from) + " - " + leg.to);
        const auto from = csvPosition(leg.from), to = csvPosition(leg.to);
        const auto expected = volmira::test::vincentyInverse(from.latitude, from.longitude, to.latitude, to.longitude);
        const Route r = route({from.latitude, from.longitude}, {to.latitude, to.longitude}, leg.variation);
        EXPECT_NEAR(r.kilometres, expected.metres / 1000, 0.001);
        EXPECT_NEAR(r.nauticalMiles, expected.metres / 1852, 0.001);
        EXPECT_LT(courseDifference(r.initialTrue, expected.initial), 1e-4);
        EXPECT_LT(courseDifference(r.finalTrue, expected.final), 1e-4);
        for (const double course : {r.initialTrue, r.finalTrue}) {
            EXPECT_GE(course, 0);
            EXPECT_LT(course, 360);
        }
        ASSERT_EQ(r.initialMagnetic.has_value(), leg.variation.has_value());
        if (!leg.variation) continue;
        EXPECT_LT(courseDifference(*r.initialMagnetic, expected.initial - *leg.variation), 1e-4);
        EXPECT_GE(*r.initialMagnetic, 0);
        EXPECT_LT(*r.initialMagnetic, 360);
    }
}

TEST(Route, CoursesInThreeDigitsAndDistancesWithOneDecimal) {
    const std::pair<double, const char *> courses[] = {{0, "000"},     {4.5, "005"},   {4.4, "004"},
                                                        {138.4, "138"}, {359.4, "359"}, {359.6, "000"}};
    for (const auto &[degrees, text] : courses) EXPECT_EQ(courseText(degrees), text) << degrees;
    const std::pair<double, const char *> distances[] = {{161.63, "161,6"}, {0, "0,0"}, {3619.96, "3620,0"}};
    for (const auto &[value, text] : distances) EXPECT_EQ(distanceText(value), text) << value;
}
