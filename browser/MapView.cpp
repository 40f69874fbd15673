#include "browser/MapView.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace volmira::browser {

namespace {

constexpr double kSliderHalf = kSliderTwips / 2;
// The smallest source width: an eighth of the display, the strongest magnification.
constexpr double kMostZoom = 8;
// How far the source's corner may come to the picture's right and bottom edges.
constexpr double kPanMargin = 10;
// Less than this from an edge counts as at the edge (half a picture pixel).
constexpr double kEdge = 0.5;

bool finite(const store::MapDataRow &r) {
    for (double v : {r.W1, r.H1, r.SX, r.SY, r.SW, r.SH})
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace

int sliderValueAt(double xTwips) {
    const double x = std::clamp(xTwips, 0.0, kSliderTwips);
    // nearbyint rounds halves to even in the default rounding mode.
    return int(std::nearbyint((x - kSliderHalf) * kSliderMax / kSliderHalf));
}

bool MapView::start(double imageWidth, double imageHeight, int pixelWidth, int pixelHeight, double displayWidth,
                    double displayHeight, int rotation) {
    clear();
    rotation_ = ((rotation % 4) + 4) % 4;
    if (rotation_ % 2 == 1) {
        std::swap(imageWidth, imageHeight);
        std::swap(pixelWidth, pixelHeight);
    }
    ImageWidth = imageWidth;
    ImageHeight = imageHeight;
    PixelWidth = pixelWidth;
    PixelHeight = pixelHeight;
    // A size of 0 anywhere would divide by zero below.
    if (!(imageWidth > 0 && imageHeight > 0 && pixelWidth > 0 && pixelHeight > 0 && displayWidth > 0 &&
          displayHeight > 0))
        return false;
    W1 = displayWidth;
    H1 = displayHeight;
    setRatio();
    SX = SY = 0;
    SW = BaseWidth = wanted_ = imageWidth / 2;
    SH = SW * ViewRatio;
    destinationWidth_ = W1;
    destinationHeight_ = H1;
    ready_ = true;
    return true;
}

void MapView::setRatio() {
    ViewRatio = (ImageHeight / ImageWidth) * (H1 / W1) / (double(PixelHeight) / PixelWidth);
}

void MapView::clear() { *this = MapView(); }

bool MapView::restore(const store::MapDataRow &row) {
    if (row.SW == 0 || row.SH == 0 || !finite(row)) return false;
    W1 = row.W1;
    H1 = row.H1;
    SX = row.SX;
    SY = row.SY;
    SlideMap = std::clamp(row.SlideMap, kSliderMin, kSliderMax);
    if (!ready_) {
        SW = row.SW;
        SH = row.SH;
        return true;
    }
    // A view of the full width may have asked for more (a fitted page, a
    // turn): its height tells how much. The slider alone never asks for more.
    apply(row.SW >= ImageWidth ? std::max(row.SW, row.SH / ViewRatio) : row.SW);
    return true;
}

store::MapViewColumns MapView::columns() const { return {W1, H1, SX, SY, SW, SH, SlideMap}; }

double MapView::sliderWidth(int sliderValue) const {
    return sliderValue * (ImageWidth - BaseWidth) / kSliderMax + BaseWidth;
}

int MapView::sliderFor(double wantedWidth) const {
    const double value = (wantedWidth - BaseWidth) * kSliderMax / (ImageWidth - BaseWidth);
    return int(std::clamp(std::round(value), double(kSliderMin), double(kSliderMax)));
}

void MapView::zoom(int sliderValue) {
    SlideMap = std::clamp(sliderValue, kSliderMin, kSliderMax);
    if (ready_) apply(sliderWidth(SlideMap));
}

void MapView::apply(double wantedWidth) {
    const double w = ImageWidth, h = ImageHeight;
    wanted_ = wantedWidth;
    SW = std::max(wantedWidth, W1 / kMostZoom);
    // The source as the zoom asks for it maps onto the whole display; where it
    // reaches past the picture it is clipped, and the display part with it.
    const double fullWidth = SW, fullHeight = ViewRatio * SW;
    destinationWidth_ = W1;
    if (SW > w) {
        SW = w;
        destinationWidth_ = W1 * w / fullWidth;
    }
    SH = fullHeight;
    destinationHeight_ = H1;
    if (SH > h) {
        SH = h;
        destinationHeight_ = H1 * h / fullHeight;
    }
    clampSource();
}

void MapView::clampSource() {
    SX = std::clamp(SX, 0.0, ImageWidth - SW);
    SY = std::clamp(SY, 0.0, ImageHeight - SH);
}

void MapView::zoomAt(int sliderValue, double x, double y) {
    if (!ready_) {
        zoom(sliderValue);
        return;
    }
    x = std::clamp(x, 0.0, destinationWidth_);
    y = std::clamp(y, 0.0, destinationHeight_);
    const double pictureX = SX + x * SW / destinationWidth_, pictureY = SY + y * SH / destinationHeight_;
    zoom(sliderValue);
    SX = pictureX - x * SW / destinationWidth_;
    SY = pictureY - y * SH / destinationHeight_;
    clampSource();
}

void MapView::zoomAtCentre(int sliderValue) { zoomAt(sliderValue, destinationWidth_ / 2, destinationHeight_ / 2); }

void MapView::fitPage() {
    if (!ready_) return;
    SX = SY = 0;
    apply(std::max(ImageWidth, ImageHeight / ViewRatio));
    SlideMap = kSliderMax;
}

void MapView::fitWidth() {
    if (!ready_) return;
    const double middle = SY + SH / 2;
    apply(ImageWidth);
    SlideMap = kSliderMax;
    SX = 0;
    SY = middle - SH / 2;
    clampSource();
}

void MapView::move(double widthFraction, double heightFraction) {
    if (!ready_) return;
    SX += widthFraction * SW;
    SY += heightFraction * SH;
    clampSource();
}

void MapView::toStart() { SX = SY = 0; }

void MapView::toEnd() {
    if (!ready_) return;
    SX = ImageWidth - SW;
    SY = ImageHeight - SH;
}

bool MapView::atTop() const { return SY < kEdge; }

bool MapView::atBottom() const { return SY + SH > ImageHeight - kEdge; }

void MapView::turn() {
    if (!ready_) return;
    // The middle of the source, a quarter turn on: (x, y) becomes (height - y, x).
    const double middleX = ImageHeight - (SY + SH / 2), middleY = SX + SW / 2;
    rotation_ = (rotation_ + 1) % 4;
    std::swap(ImageWidth, ImageHeight);
    std::swap(PixelWidth, PixelHeight);
    BaseWidth = ImageWidth / 2;
    setRatio();
    apply(wanted_);
    SlideMap = sliderFor(wanted_);
    SX = middleX - SW / 2;
    SY = middleY - SH / 2;
    clampSource();
}

QRectF MapView::unturnedSource() const {
    // The unturned picture's width and height.
    const bool odd = rotation_ % 2 == 1;
    const double w = odd ? ImageHeight : ImageWidth, h = odd ? ImageWidth : ImageHeight;
    switch (rotation_) {
    case 1:
        return {SY, h - SX - SW, SH, SW};
    case 2:
        return {w - SX - SW, h - SY - SH, SW, SH};
    case 3:
        return {w - SY - SH, SX, SH, SW};
    default:
        return source();
    }
}

void MapView::press(double x, double y) {
    LastX = x;
    LastY = y;
}

void MapView::drag(double x, double y) {
    if (!ready_) return;
    // Display pixels to picture pixels, so that the map follows the mouse.
    const double scaleX = W1 > 0 ? SW / W1 : 1;
    const double scaleY = H1 > 0 ? SH / H1 : 1;
    SX += (LastX - x) * scaleX;
    SX = std::min(std::max(SX, 0.0), ImageWidth - kPanMargin);
    if (SX + SW > ImageWidth) SX = ImageWidth - SW;
    SX = std::max(SX, 0.0);
    SY += (LastY - y) * scaleY;
    SY = std::min(std::max(SY, 0.0), ImageHeight - ViewRatio * kPanMargin);
    if (SY + SH > ImageHeight) SY = ImageHeight - SH;
    SY = std::max(SY, 0.0);
    LastX = x;
    LastY = y;
}

}  // namespace volmira::browser
