#include "browser/Route.h"

#include <gtest/gtest.h>

using namespace volmira::browser;

TEST(Route, CoursesStayWithinTheCircleAndShowAsThreeDigits) {
    // Frankfurt to Hamburg is about 013 true: an east variation of 20 takes the magnetic course below 000.
    EXPECT_NEAR(route({50.026706, 8.55835}, {53.630402, 9.98823}, 20).initialMagnetic.value(), 353.2, 0.1);
    const std::pair<double, const char *> courses[] = {{4.5, "005"}, {138.4, "138"}, {359.4, "359"}, {359.6, "000"}};
    for (const auto &[degrees, text] : courses) EXPECT_EQ(courseText(degrees), text) << degrees;
}
