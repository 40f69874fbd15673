#pragma once

#include "store/MapStore.h"
#include "store/Rows.h"

#include <QRectF>

// The view of a map picture: which part of the kept picture (the source
// rectangle SX, SY, SW, SH, in its pixels) is painted into which part of the
// display area picMap (W1 x H1 logical pixels), zoomed by the slider SlideMap
// (-100 .. 100), by the wheel around the point under the mouse, fitted to the
// page or the width, panned with the mouse or the keys, and turned in quarter
// turns. Everything below is reckoned in the turned frame: the picture as it
// is seen, its width and height swapped for an odd number of quarter turns.
// Plain arithmetic, no widgets.
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
    // `rotation` quarter turns clockwise (0 to 3) turn the picture first.
    bool start(double imageWidth, double imageHeight, int pixelWidth, int pixelHeight, double displayWidth,
               double displayHeight, int rotation = 0);
    // No picture: nothing drawn, panning does nothing.
    void clear();

    // The view stored in a row (W1, H1, SX, SY, SW, SH, SlideMap), when it holds
    // one (SW and SH not both 0): taken over with the slider at SlideMap, and
    // the zoom set to show that source rectangle again (a whole page fitted
    // in the display included). False: nothing stored.
    bool restore(const store::MapDataRow &row);
    // The view as the row stores it.
    [[nodiscard]] store::MapViewColumns columns() const;

    // The zoom steps for a slider value (clamped to -100 .. 100): SW from the
    // slider, at least an eighth of W1, the source kept inside the picture. Where
    // it would reach past the picture, the source is clipped and the destination
    // shrinks in proportion instead of stretching the map.
    void zoom(int sliderValue);
    // The slider moved to sliderValue (clamped) with the picture point under
    // display point (x, y) kept there, where the picture's edges allow.
    void zoomAt(int sliderValue, double x, double y);
    // The same around the middle of the display (the slider and the + and - keys).
    void zoomAtCentre(int sliderValue);
    // The whole picture in the display ("Ganze Seite"), from its top left.
    void fitPage();
    // The picture's full width ("Breite"), the point in the middle of the height kept.
    void fitWidth();
    // The source moves by the fractions of its own width and height (the
    // arrow keys a tenth, the page keys nearly a whole); kept inside the picture.
    void move(double widthFraction, double heightFraction);
    // Home and End: the picture's top left and bottom right corners.
    void toStart();
    void toEnd();
    // At the picture's top or bottom edge (where the page keys turn the page).
    [[nodiscard]] bool atTop() const;
    [[nodiscard]] bool atBottom() const;
    // A quarter turn clockwise: the point in the middle stays in the middle at the same scale.
    void turn();
    [[nodiscard]] int rotation() const { return rotation_; }
    // The source rectangle in the unturned picture's pixels, which the canvas
    // paints turned by rotation() quarter turns into destination().
    [[nodiscard]] QRectF unturnedSource() const;

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
    // The source width asked for, before it is clipped to the picture: larger
    // than the picture's width when the whole page is fitted into the display.
    void apply(double wantedWidth);
    void setRatio();
    [[nodiscard]] int sliderFor(double wantedWidth) const;
    [[nodiscard]] double sliderWidth(int sliderValue) const;
    void clampSource();

    bool ready_ = false;
    int rotation_ = 0;
    double wanted_ = 0;
    double LastX = 0, LastY = 0;
    double destinationWidth_ = 0, destinationHeight_ = 0;
};

}  // namespace volmira::browser
