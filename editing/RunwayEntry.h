#pragma once

#include "editing/Entry.h"
#include "store/Rows.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// The checks and computations of the runway dialog frmChangeRwy.
namespace volmira::editing {

// The entry boxes tRwy(0) to tRwy(4); EntryFailure::box names them by index.
enum RunwayBox : int {
    kDesignatorBox = 0,  // "Rwy "
    kHeadingBox = 1,     // "Rwy Hdg"
    kSlopeBox = 2,       // "Slope"
    kLengthBox = 3,      // "Länge [ m ]"
    kWidthBox = 4,       // "Breite [ m ]"
};
inline constexpr int kRunwayBoxCount = 5;

// The most metres a length or width may have: more would overflow the stored
// whole numbers and break the exchange file.
inline constexpr int kMaxRunwayMetres = 99999;

// What the dialog holds.
struct RunwayTexts {
    std::array<QString, kRunwayBoxCount> tRwy;
    std::array<QString, kRunwayBoxCount> tVorschau;  // the previews, one per box
    bool optGras = false;                            // else optBeton: asphalt
};

// A checked runway, named like the RWY columns it fills.
struct RunwayEntry {
    QString RWY;     // "09L / 27R"
    QString RWYHDG;  // "094 / 274"
    QString RwyLow;  // "09L"
    QString RwyHigh; // "27R"
    int Length = 0;  // whole metres, 1..99999
    int Width = 0;   // whole metres, 1..99999
    QString SLOPE;   // as typed, also empty
    int SURFACE = 0; // 0 asphalt, 1 grass
};

// Checks designator, heading, length and width in this order and gives the
// entry, or the first failure (title "Datenfehler", the focus in its box):
// - designator: a whole number 0..36 ("9", "009", "27") or two digits with L,
//   R or C; the other end is computed (store::runwayEnds). A fraction such as
//   "9.5" is refused with the designator message;
// - heading: a whole number 0..360 (store::runwayHeadings);
// - length and width: a number 1..99999, stored rounded to whole metres.
[[nodiscard]] Checked<RunwayEntry> checkRunway(const RunwayTexts &texts);

// The preview of one box when the focus leaves it: what saving would store from
// that box alone (RWY, RWYHDG, the slope as typed, a length or width formatted
// "#####" without the bounds). Empty when the text would be refused: the
// preview then keeps its previous text.
[[nodiscard]] std::optional<QString> runwayPreview(RunwayBox box, const QString &text);

// The dialog filled from a stored runway for a change: the low designator, the
// first three characters of RWYHDG (the low end's heading), slope, length and
// width (no value gives an empty box); the previews show RWY, RWYHDG, SLOPE,
// Length and Width; grass unless SURFACE is 0.
[[nodiscard]] RunwayTexts runwayTexts(const store::RwyRow &row);

// RwyALen and RwyGLen of an airport.
struct RunwayLengths {
    int RwyALen = 0;  // the longest runway with SURFACE 0
    int RwyGLen = 0;  // the longest with any other SURFACE
};

// The two lengths over an airport's runways; 0 where there is no runway of
// that kind, so no runways at all give 0 and 0. Runways without a length count
// for neither.
[[nodiscard]] RunwayLengths runwayLengths(const std::vector<store::RwyRow> &rows);

}  // namespace volmira::editing
