#include "browser/AirportBlock.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace volmira::browser;

TEST(AirportBlock, ElevationInFeetAndMetres) {
    using volmira::store::Length;
    const struct {
        std::optional<Length> elevation;
        const char *text;
    } cases[] = {
        {Length::feet(1311), "ELEV: 1311 ft / 400 m"}, {Length::feet(0), "ELEV: 0 ft / 0 m"}, {std::nullopt, "ELEV: ---"},
        {Length::feet(1), "ELEV: 1 ft / 0 m"}, {Length::feet(2.5), "ELEV: 2 ft / 1 m"}, {Length::feet(3.5), "ELEV: 4 ft / 1 m"},
        {Length::feet(-1300), "ELEV: -1300 ft / -396 m"}, {Length::feet(-0.4), "ELEV: 0 ft / 0 m"},  // feet: a half to even
        {Length::metres(400), "ELEV: 1312 ft / 400 m"},
    };
    for (const auto &c : cases) EXPECT_EQ(elevationText(c.elevation), c.text);
}

TEST(AirportBlock, VariationEastAndWestRoundedHalfToEven) {
    const struct {
        std::optional<double> degrees;
        const char *text;
    } cases[] = {
        {-2, "VAR 2 W"},   {0, "VAR 0 E"},     {1.5, "VAR 2 E"},  {2.5, "VAR 2 E"},        {-2.5, "VAR 2 W"},
        {-1.5, "VAR 2 W"}, {-0.5, "VAR 0 E"},  {2.6, "VAR 3 E"},  {std::nullopt, "VAR ---"},
    };
    for (const auto &c : cases) EXPECT_EQ(variationText(c.degrees), c.text);
}

TEST(AirportBlock, CircuitFieldOnlyWithAHeight) {
    volmira::store::ArptRow row;
    row.PR = "1300 ft";
    EXPECT_EQ(airportTexts(row)[6], "PR 1300 ft");
    row.PR.clear();
    EXPECT_EQ(airportTexts(row)[6], "") << "no lone \"PR \"";
}
