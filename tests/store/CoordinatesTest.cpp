#include "store/Coordinates.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <vector>

using namespace volmira::store;

namespace {

TEST(Coordinates, TextFromSignedDegrees) {
    struct Case {
        double latitude, longitude;
        const char *text;
    };
    const std::vector<Case> cases{
        {50.026706, 8.55835, "5001.6 N / 00833.5 E"},       // Frankfurt
        {-54.8433, -68.295799, "5450.6 S / 06817.7 W"},     // Ushuaia
        {49.99999, 9.999, "5000.0 N / 00959.9 E"},          // 59.9994' rounds up into the degree
        {0.0, -0.0000001, "0000.0 N / 00000.0 E"},          // a zero that rounds away keeps N and E
        {-0.01, 179.99999, "0000.6 S / 18000.0 E"},
        {-90.0, -1.0, "9000.0 S / 00100.0 W"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(coordinatesText(c.latitude, c.longitude), QString::fromLatin1(c.text)) << c.text;
}

TEST(Coordinates, DegreesFromTextAsTheAirportDialogComputes) {
    for (const auto &[text, degrees] : {std::pair{"4907.1", 49.118333333333}, {"4907,1", 49.118333333333},
                                        {"00946.5", 9.775}, {"15110.6", 151.176666666667}, {"9000.0", 90.0}})
        EXPECT_NEAR(degreesFromText(QString::fromLatin1(text)).value_or(-1), degrees, 1e-9) << text;
    for (const char *text : {"", "abc", "49O7.1", "4907.1x"})
        EXPECT_FALSE(degreesFromText(QString::fromLatin1(text)).has_value()) << text;
}

}  // namespace
