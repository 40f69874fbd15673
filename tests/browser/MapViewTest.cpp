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
    EXPECT_DOUBLE_EQ(view.SH, 240);  // the picture's proportions at the restored width
    view.SH = 240;
    EXPECT_EQ(view.columns(), (store::MapViewColumns{600, 300, 10, 20, 300, 240, 100}));
}

namespace {

// The picture point under display point (x, y).
QPointF pictureAt(const browser::MapView &v, double x, double y) {
    return {v.SX + x * v.SW / v.destination().width(), v.SY + y * v.SH / v.destination().height()};
}

store::MapDataRow rowOf(const store::MapViewColumns &v) {
    store::MapDataRow row;
    std::tie(row.W1, row.H1, row.SX, row.SY, row.SW, row.SH, row.SlideMap) = std::tuple(v.W1, v.H1, v.SX, v.SY, v.SW, v.SH, v.SlideMap);
    return row;
}

browser::MapView started(double w, double h, double displayW, double displayH, int rotation = 0) {
    browser::MapView view;
    EXPECT_TRUE(view.start(w, h, int(w), int(h), displayW, displayH, rotation));
    return view;
}

}  // namespace

TEST(MapView, TheWheelKeepsThePointUnderTheMouseAndTheKeysTheMiddle) {
    const struct { int from, to; double x, y; } steps[] = {
        {100, 95, 10, 10}, {100, 50, 790, 590}, {0, -100, 700, 40}, {-50, -45, 400, 300}, {20, 40, 5, 580},
    };
    for (const auto &s : steps) {
        browser::MapView view = started(8000, 6000, 800, 600);
        view.zoom(s.from);
        view.move(0.5, 0.5);  // away from the top left corner, so that zooming out has room
        const QPointF before = pictureAt(view, s.x, s.y);
        view.zoomAt(s.to, s.x, s.y);
        const QPointF after = pictureAt(view, s.x, s.y);
        // Within a display pixel: the picture's pixels per display pixel.
        EXPECT_LE(std::abs(after.x() - before.x()), view.SW / 800) << s.from << " " << s.to;
        EXPECT_LE(std::abs(after.y() - before.y()), view.SH / 600) << s.from << " " << s.to;
        EXPECT_EQ(view.SlideMap, s.to);
    }
    browser::MapView view = started(8000, 6000, 800, 600);
    view.zoom(0);
    const QPointF middle = pictureAt(view, 400, 300);
    view.zoomAtCentre(-60);
    EXPECT_EQ(pictureAt(view, 400, 300), middle);
}

TEST(MapView, WholePageAndWidthAndAStoredViewFromBefore) {
    const struct { double w, h; QRectF pageSource, pageDestination; int widthSlider; QRectF widthSource; } cases[] = {
        // a portrait chart in a landscape display: the page is a narrow strip, the width shows its middle
        {1000, 2000, {0, 0, 1000, 2000}, {0, 0, 200, 400}, 100, {0, 562.5, 1000, 500}},
        // a landscape chart: the whole page is the whole width
        {2000, 1000, {0, 0, 2000, 1000}, {0, 0, 800, 400}, 100, {0, 0, 2000, 1000}},
    };
    for (const auto &c : cases) {
        browser::MapView view = started(c.w, c.h, 800, 400);
        view.zoom(-50);
        view.move(0.5, 6);
        browser::MapView width = view;
        view.fitPage();
        EXPECT_EQ(std::pair(view.source(), view.destination()), std::pair(c.pageSource, c.pageDestination));
        EXPECT_EQ(view.SlideMap, 100);
        // The whole page comes back as the whole page.
        const store::MapDataRow row = rowOf(view.columns());
        browser::MapView again = started(c.w, c.h, 800, 400);
        ASSERT_TRUE(again.restore(row));
        EXPECT_EQ(again.destination(), c.pageDestination);
        width.fitWidth();
        EXPECT_EQ(std::pair(width.SlideMap, width.source()), std::pair(c.widthSlider, c.widthSource));
    }
    // Rows the slider alone made open on the same source rectangle.
    for (const auto &[slider, SX, SY] : {std::tuple{0, 120.0, 80.0}, {-100, 900.0, 700.0}, {63, 40.0, 0.0}, {100, 0.0, 0.0}}) {
        browser::MapView before = started(1000, 800, 500, 400);
        before.zoom(slider);
        before.SX = SX;
        before.SY = SY;
        before.zoom(slider);
        browser::MapView after = started(1000, 800, 500, 400);
        ASSERT_TRUE(after.restore(rowOf(before.columns())));
        EXPECT_EQ(std::tuple(after.source(), after.destination(), after.SlideMap),
                  std::tuple(before.source(), before.destination(), slider));
    }
}

TEST(MapView, KeysMoveTheViewInsideThePicture) {
    browser::MapView view = started(1000, 800, 500, 400);
    view.zoom(0);  // 500 x 400 of the picture
    const struct { void (*step)(browser::MapView &); QPointF corner; bool top, bottom; } keys[] = {
        {[](browser::MapView &v) { v.move(0.1, 0); }, {50, 0}, true, false},
        {[](browser::MapView &v) { v.move(0, 0.9); }, {50, 360}, false, false},
        {[](browser::MapView &v) { v.move(0, 0.9); }, {50, 400}, false, true},
        {[](browser::MapView &v) { v.move(-0.5, -0.1); }, {0, 360}, false, false},
        {[](browser::MapView &v) { v.toEnd(); }, {500, 400}, false, true},
        {[](browser::MapView &v) { v.toStart(); }, {0, 0}, true, false},
    };
    for (const auto &k : keys) {
        k.step(view);
        EXPECT_EQ(std::tuple(QPointF(view.SX, view.SY), view.atTop(), view.atBottom()), std::tuple(k.corner, k.top, k.bottom));
    }
}

TEST(MapView, QuarterTurnsReckonInTheTurnedPicture) {
    // The source in the turned frame and the part of the unturned picture it shows.
    const struct { int rotation; QRectF source, unturned; } cases[] = {
        {0, {100, 50, 250, 200}, {100, 50, 250, 200}},
        {1, {100, 50, 250, 200}, {50, 450, 200, 250}},
        {2, {100, 50, 250, 200}, {650, 550, 250, 200}},
        {3, {100, 50, 250, 200}, {750, 100, 200, 250}},
    };
    for (const auto &c : cases) {
        browser::MapView view = started(1000, 800, 500, 400, c.rotation);
        EXPECT_EQ(QSizeF(view.ImageWidth, view.ImageHeight), c.rotation % 2 ? QSizeF(800, 1000) : QSizeF(1000, 800));
        std::tie(view.SX, view.SY, view.SW, view.SH) = std::tuple(100, 50, 250, 200);
        EXPECT_EQ(view.unturnedSource(), c.unturned) << c.rotation;
    }
    // A turn keeps the middle and the scale; four turns come back.
    browser::MapView view = started(1000, 800, 500, 500);
    view.zoom(-60);
    view.move(1, 0.5);
    const QRectF first = view.unturnedSource();
    const double scale = view.destination().width() / view.SW;
    for (int turn = 1; turn <= 4; ++turn) {
        view.turn();
        EXPECT_EQ(view.rotation(), turn % 4);
        EXPECT_DOUBLE_EQ(view.destination().width() / view.SW, scale);
        EXPECT_EQ(view.unturnedSource().center(), first.center()) << turn;
    }
}
