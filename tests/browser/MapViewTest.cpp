#include "browser/MapView.h"

#include <gtest/gtest.h>

using namespace volmira;

TEST(MapView, SliderClickZoomAndDestinationShrunkWherePictureEnds) {
    for (const auto &[x, value] : {std::pair{5550.0, 0}, {11100, 100}, {0, -100}, {20000, 100}, {-40, -100}, {5577.75, 0}, {5633.25, 2}})
        EXPECT_EQ(browser::sliderValueAt(x), value) << x;
    const struct { double imageW, imageH, displayW, displayH; int slider; QRectF source, destination; } cases[] = {
        {1000, 800, 500, 400, 100, {0, 0, 1000, 800}, {0, 0, 500, 400}},  // full width
        {1000, 800, 500, 400, 0, {0, 0, 500, 400}, {0, 0, 500, 400}},     // half width
        {1000, 800, 500, 400, -100, {0, 0, 62.5, 50}, {0, 0, 500, 400}},  // an eighth of the display
        {1000, 800, 500, 1000, 100, {0, 0, 1000, 800}, {0, 0, 500, 400}}, // too high for the picture
        {40, 40, 800, 400, 100, {0, 0, 40, 40}, {0, 0, 320, 320}},        // too small either way
        {100, 1000, 400, 100, 100, {0, 0, 100, 25}, {0, 0, 400, 100}},
    };
    for (const auto &c : cases) {
        browser::MapView view;
        ASSERT_TRUE(view.start(c.imageW, c.imageH, int(c.imageW), int(c.imageH), c.displayW, c.displayH));
        view.zoom(c.slider);
        EXPECT_EQ(std::pair(view.source(), view.destination()), std::pair(c.source, c.destination)) << c.displayH << " " << c.slider;
    }
}

TEST(MapView, PanFollowsTheMouseInPicturePixelsAndAViewNeedsSizes) {
    browser::MapView view;
    ASSERT_TRUE(view.start(1000, 800, 1000, 800, 250, 200));  // two picture pixels a display pixel at slider 0
    view.zoom(0);
    view.press(100, 100);
    for (const auto &[x, y, SX, SY] : {std::tuple{50, 80, 100, 40}, {40, 80, 120, 40}, {-900, -900, 500, 400}, {900, 900, 0, 0}}) {
        view.drag(x, y);
        EXPECT_EQ(QPointF(view.SX, view.SY), QPointF(SX, SY)) << x;
    }
    EXPECT_FALSE(view.start(1000, 800, 1000, 0, 500, 400));  // a later file without a height
    EXPECT_EQ(std::pair(view.PixelWidth, view.PixelHeight), std::pair(1000, 0));
    view.zoom(100);
    view.drag(5, 5);
    EXPECT_TRUE(view.destination().isEmpty());
    ASSERT_TRUE(view.start(1000, 800, 1000, 800, 500, 400));
    store::MapDataRow row{0, "EDDF", 0, "", "", "", true, 600, 300, 10, 20, 300, 0, 250};
    EXPECT_FALSE(view.restore(row));
    row.SH = 150;
    ASSERT_TRUE(view.restore(row));
    EXPECT_EQ(view.columns(), (store::MapViewColumns{600, 300, 10, 20, 300, 150, 100}));
}
