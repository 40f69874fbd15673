// Where a printed chart lies on the paper, and which part of a picture a stored view shows.
#include "browser/MapPrintLayout.h"

#include <gtest/gtest.h>

#include <limits>

using namespace volmira::browser;

TEST(MapPrintLayout, TheTurnedChartFitsTheMarginsCentredOnTheOrientationItAsks) {
    using O = PrintOrientation;
    const struct { QSizeF chart; int turns; Paper paper; O orientation; bool landscape; QRectF target; } cases[] = {
        {{2000, 1000}, 0, Paper::A4, O::Automatic, true, {10, 35.75, 277, 138.5}},
        {{2000, 1000}, 1, Paper::A5, O::Automatic, false, {26.5, 10, 95, 190}},   // the turn stands it upright
        {{2000, 1000}, 3, Paper::A5, O::Landscape, true, {73, 10, 64, 128}},      // chosen across all the same
        {{1000, 1000}, 3, Paper::A5, O::Automatic, false, {10, 41, 128, 128}},    // square: upright
        {{2000, 1000}, 2, Paper::A5, O::Portrait, false, {10, 73, 128, 64}},
        {{100, 50}, 0, Paper::Letter, O::Automatic, true, {10, 10 + (195.9 - 129.7) / 2, 259.4, 129.7}},  // enlarged
    };
    for (const auto &c : cases) {
        const ChartPlacement placed = placeChart(c.chart, c.turns, c.paper, c.orientation);
        EXPECT_EQ(placed.landscape, c.landscape) << c.turns;
        const QSizeF paper = paperSizeMm(c.paper);
        EXPECT_EQ(placed.page, c.landscape ? paper.transposed() : paper);
        for (auto [got, want] : {std::pair(placed.target.x(), c.target.x()), std::pair(placed.target.y(), c.target.y()),
                                 std::pair(placed.target.width(), c.target.width()),
                                 std::pair(placed.target.height(), c.target.height())})
            EXPECT_NEAR(got, want, 1e-9) << c.chart.width() << " " << c.turns;
    }
}

TEST(MapPrintLayout, AStoredViewCountsTheKeptPicturesPixelsAndIsCutToThePicture) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct { QRectF view; int shrink; std::optional<QRectF> part; } cases[] = {
        {{100, 50, 200, 100}, 1, QRectF(100, 50, 200, 100)},
        {{100, 50, 200, 100}, 2, QRectF(200, 100, 400, 200)},   // a huge picture is kept at half its size
        {{400, 450, 200, 200}, 2, QRectF(800, 900, 200, 100)},  // reaching past the edge
        {{0, 0, 0, 100}, 1, std::nullopt},                      // no view stored
        {{2000, 0, 100, 100}, 1, std::nullopt},                 // outside the picture
        {{nan, 0, 100, 100}, 1, std::nullopt},
    };
    for (const auto &c : cases) EXPECT_EQ(visiblePart(c.view, QSizeF(1000, 1000), c.shrink), c.part) << c.view.x();
}
