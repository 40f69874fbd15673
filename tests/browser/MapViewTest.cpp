#include "browser/MapView.h"

#include <gtest/gtest.h>

using namespace volmira;
using browser::MapView;

TEST(MapView, SliderClickAtTwips) {
    const struct {
        double x;
        int value;
    } clicks[] = {{5550, 0}, {11100, 100}, {0, -100}, {20000, 100}, {-40, -100}, {5577.75, 0}, {5633.25, 2}, {8325, 50}};
    for (const auto &c : clicks) EXPECT_EQ(browser::sliderValueAt(c.x), c.value) << c.x;
}

TEST(MapView, ZoomKeepsTheSourceInsideThePictureAndShrinksTheDestinationWhereItClips) {
    const struct {
        const char *what;
        double imageW, imageH, displayW, displayH;
        int slider;
        QRectF source, destination;
    } cases[] = {
        {"full width", 1000, 800, 500, 400, 100, {0, 0, 1000, 800}, {0, 0, 500, 400}},
        {"half width", 1000, 800, 500, 400, 0, {0, 0, 500, 400}, {0, 0, 500, 400}},
        {"strongest magnification", 1000, 800, 500, 400, -100, {0, 0, 62.5, 50}, {0, 0, 500, 400}},
        {"tall display", 1000, 800, 500, 1000, 100, {0, 0, 1000, 800}, {0, 0, 500, 400}},
        {"tiny picture", 40, 40, 800, 400, 100, {0, 0, 40, 40}, {0, 0, 320, 320}},
        {"tall picture, its top", 100, 1000, 400, 100, 100, {0, 0, 100, 25}, {0, 0, 400, 100}},
    };
    for (const auto &c : cases) {
        MapView view;
        ASSERT_TRUE(view.start(c.imageW, c.imageH, int(c.imageW), int(c.imageH), c.displayW, c.displayH)) << c.what;
        view.zoom(c.slider);
        EXPECT_EQ(view.source(), c.source) << c.what;
        EXPECT_EQ(view.destination(), c.destination) << c.what;
        EXPECT_GE(view.SX, 0) << c.what;
    }
}

TEST(MapView, PanFollowsTheMouseInPicturePixelsWithinThePicture) {
    MapView view;
    ASSERT_TRUE(view.start(1000, 800, 1000, 800, 250, 200));  // two picture pixels a display pixel at slider 0
    view.zoom(0);
    view.press(100, 100);
    const struct {
        double x, y, SX, SY;
    } moves[] = {{50, 80, 100, 40}, {40, 80, 120, 40}, {-900, -900, 500, 400}, {900, 900, 0, 0}};
    for (const auto &m : moves) {
        view.drag(m.x, m.y);
        EXPECT_EQ(QPointF(view.SX, view.SY), QPointF(m.SX, m.SY)) << m.x;
    }
}

TEST(MapView, NoViewWithoutSizesAndNoStoredViewWithoutSWAndSH) {
    MapView view;
    ASSERT_TRUE(view.start(1000, 800, 1000, 800, 500, 400));
    EXPECT_FALSE(view.start(1000, 800, 1000, 0, 500, 400));  // a later file without a height
    EXPECT_EQ(view.PixelWidth, 1000);
    EXPECT_EQ(view.PixelHeight, 0);
    view.zoom(100);
    view.drag(5, 5);
    EXPECT_TRUE(view.destination().isEmpty());
    EXPECT_FALSE(view.start(1000, 800, 1000, 800, 0, 400));
    ASSERT_TRUE(view.start(1000, 800, 1000, 800, 500, 400));
    store::MapDataRow row;
    row.SW = 300;
    EXPECT_FALSE(view.restore(row));
    row = {0, "EDDF", 0, "", "", "", true, 600, 300, 10, 20, 300, 150, 250};
    ASSERT_TRUE(view.restore(row));
    EXPECT_EQ(view.columns(), (store::MapViewColumns{600, 300, 10, 20, 300, 150, 100}));
}
