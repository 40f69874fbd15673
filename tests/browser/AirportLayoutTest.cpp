#include "browser/AirportLayout.h"

#include <gtest/gtest.h>

using namespace volmira::browser;
using namespace volmira::platform;

TEST(AirportLayout, DesignIsCentredOnlyWhenTheWindowIsLargerInBothDirections) {
    const struct {
        int width, height;
        std::optional<TwipPoint> origin;
    } cases[] = {
        {15180, 7845, TwipPoint{0, 0}},   {18000, 10500, TwipPoint{1410, 1328}},  // 1327.5 to the even 1328
        {15195, 7860, TwipPoint{8, 8}},   {15225, 7875, TwipPoint{22, 15}},       // 7.5 to 8, 22.5 to 22
        {15165, 9000, std::nullopt},      {20000, 7830, std::nullopt},
        {15179, 7845, TwipPoint{0, 0}},  // -0.5 rounds to 0, which is not below 0
        {0, 0, std::nullopt},
    };
    for (const auto &c : cases) EXPECT_EQ(centredOrigin({c.width}, {c.height}), c.origin) << c.width << "x" << c.height;
}

TEST(AirportLayout, TwipsBecomeWholePixels) {
    for (const auto &[twips, pixels] : {std::pair{15, 1}, {7, 0}, {8, 1}, {15180, 1012}, {-8, -1}})  // a half rounds up
        EXPECT_EQ(toPixels({twips}), pixels) << twips;
    EXPECT_EQ(fromPixels(1012).value, 15180);
}
