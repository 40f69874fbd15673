#include "browser/MapView.h"

#include <algorithm>
#include <cmath>

namespace volmira::browser {

namespace {

constexpr double kSliderHalf = kSliderTwips / 2;
// The smallest source width: an eighth of the display, the strongest magnification.
constexpr double kMostZoom = 8;
// How far the source's corner may come to the picture's right and bottom edges.
constexpr double kPanMargin = 10;

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
                    double displayHeight) {
    clear();
    ImageWidth = imageWidth;
    ImageHeight = imageHeight;
    PixelWidth = pixelWidth;
    PixelHeight = pixelHeight;
    // A size of 0 anywhere would divide by zero below.
    if (!(imageWidth > 0 && imageHeight > 0 && pixelWidth > 0 && pixelHeight > 0 && displayWidth > 0 &&
          displayHeight > 0))
        return false;
    ViewRatio = (imageHeight / imageWidth) * (displayHeight / displayWidth) / (double(pixelHeight) / pixelWidth);
    W1 = displayWidth;
    H1 = displayHeight;
    SX = SY = 0;
    SW = BaseWidth = imageWidth / 2;
    SH = SW * ViewRatio;
    destinationWidth_ = W1;
    destinationHeight_ = H1;
    ready_ = true;
    return true;
}

void MapView::clear() { *this = MapView(); }

bool MapView::restore(const store::MapDataRow &row) {
    if (row.SW == 0 || row.SH == 0 || !finite(row)) return false;
    W1 = row.W1;
    H1 = row.H1;
    SX = row.SX;
    SY = row.SY;
    SW = row.SW;
    SH = row.SH;
    SlideMap = std::clamp(row.SlideMap, kSliderMin, kSliderMax);
    return true;
}

store::MapViewColumns MapView::columns() const { return {W1, H1, SX, SY, SW, SH, SlideMap}; }

void MapView::fitDisplay(double displayWidth, double displayHeight) {
    if (!ready_ || displayWidth <= 0 || displayHeight <= 0) return;
    ViewRatio = (ImageHeight / ImageWidth) * (displayHeight / displayWidth) / (double(PixelHeight) / PixelWidth);
    W1 = displayWidth;
    H1 = displayHeight;
    zoom(SlideMap);
}

void MapView::zoom(int sliderValue) {
    SlideMap = std::clamp(sliderValue, kSliderMin, kSliderMax);
    if (!ready_) return;
    const double w = ImageWidth, h = ImageHeight;
    SW = SlideMap * (w - BaseWidth) / kSliderMax + BaseWidth;
    SW = std::max(SW, W1 / kMostZoom);
    // The source as the zoom asks for it maps onto the whole display; where it
    // reaches past the picture it is clipped, and the display part with it.
    const double wantedWidth = SW, wantedHeight = ViewRatio * SW;
    destinationWidth_ = W1;
    if (SW > w) {
        SW = w;
        destinationWidth_ = W1 * w / wantedWidth;
    }
    SX = std::clamp(SX, 0.0, w - SW);
    SH = wantedHeight;
    destinationHeight_ = H1;
    if (SH > h) {
        SH = h;
        destinationHeight_ = H1 * h / wantedHeight;
    }
    SY = std::clamp(SY, 0.0, h - SH);
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
