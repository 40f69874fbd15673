#include "browser/Route.h"

#include <gtest/gtest.h>

using namespace volmira::browser;

TEST(Route, CoursesStayWithinTheCircleAndShowAsThreeDigits) {
    // Frankfurt to Hamburg is about 013 true: an east variation of 20 takes the magnetic course below 000.
    const Route r = route({50.026706, 8.55835}, {53.630402, 9.98823}, 20);
    EXPECT_NEAR(*r.initialMagnetic, r.initialTrue + 340, 1e-9);
    const std::pair<double, const char *> courses[] = {{4.5, "005"}, {138.4, "138"}, {359.4, "359"}, {359.6, "000"}};
    for (const auto &[degrees, text] : courses) EXPECT_EQ(courseText(degrees), text) << degrees;
    EXPECT_EQ(distanceText(161.96), "162,0");
}
