#pragma once

#include "store/MapStore.h"
#include "store/Rows.h"

#include <QRectF>

// The view of a map picture: which part of the kept picture (the source
// rectangle SX, SY, SW, SH, in its pixels) is painted into which part of the
// display area picMap (W1 x H1 logical pixels), zoomed by the slider SlideMap
// (-100 .. 100) and panned with the mouse. Plain arithmetic, no widgets.
namespace volmira::browser {

// The zoom slider: its range and its width in twips, which the click formula uses.
inline constexpr int kSliderMin = -100;
inline constexpr int kSliderMax = 100;
inline constexpr double kSliderTwips = 11100;

// The slider value of a click released x twips from the slider's left edge,
// x clamped to the slider: (x - 5550) * 100 / 5550, halves rounded to even.
[[nodiscard]] int sliderValueAt(double xTwips);

class MapView {
public:
    // ShowMap: a new picture of imageWidth x imageHeight kept pixels whose file
    // header claims pixelWidth x pixelHeight, in a display area of
    // displayWidth x displayHeight. Sets the full reset view (SX = SY = 0, SW
    // half the width, SlideMap 0) and gives true; false when a size is 0 (no
    // header size, an empty display): then the view is not set up, draws nothing.
    bool start(double imageWidth, double imageHeight, int pixelWidth, int pixelHeight, double displayWidth,
               double displayHeight);
    // No picture: nothing drawn, panning does nothing.
    void clear();

    // The view stored in a row (W1, H1, SX, SY, SW, SH, SlideMap), when it holds
    // one (SW and SH not both 0): taken over, and the slider set to SlideMap.
    // Run zoom(SlideMap) afterwards, as the viewer does. False: nothing stored.
    bool restore(const store::MapDataRow &row);
    // The view as the row stores it.
    [[nodiscard]] store::MapViewColumns columns() const;
    // The display area changed size: the same part of the picture at the same
    // zoom fitted to it (the view starts anew there when none was set up).
    void fitDisplay(double displayWidth, double displayHeight);

    // The zoom steps for a slider value (clamped to -100 .. 100): SW from the
    // slider, at least an eighth of W1, the source kept inside the picture. Where
    // it would reach past the picture, the source is clipped and the destination
    // shrinks in proportion instead of stretching the map.
    void zoom(int sliderValue);

    // Panning: the button went down at (x, y) in display pixels; the mouse moved
    // to (x, y) with it held. The source moves by the mouse's way scaled by
    // SW / W1, so that the map follows the mouse; kept inside the picture.
    void press(double x, double y);
    void drag(double x, double y);

    [[nodiscard]] bool ready() const { return ready_; }
    // What DrawMap paints: `source` of the kept picture into `destination` of picMap.
    [[nodiscard]] QRectF source() const { return {SX, SY, SW, SH}; }
    [[nodiscard]] QRectF destination() const { return {0, 0, destinationWidth_, destinationHeight_}; }

    // The stored and restored values, named as the viewer names them.
    double W1 = 0, H1 = 0;
    double SX = 0, SY = 0, SW = 0, SH = 0;
    int SlideMap = 0;
    double ImageWidth = 0, ImageHeight = 0;  // the kept picture's pixels
    int PixelWidth = 0, PixelHeight = 0;     // the header's
    double ViewRatio = 0;                    // SH / SW that keeps the picture's proportions in W1 x H1
    double BaseWidth = 0;                    // SW at slider 0

private:
    bool ready_ = false;
    double LastX = 0, LastY = 0;
    double destinationWidth_ = 0, destinationHeight_ = 0;
};

}  // namespace volmira::browser
