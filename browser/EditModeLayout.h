#pragma once

#include "browser/AirportLayout.h"

// Where the airport window's controls stand outside and inside edit mode, in
// twips. In edit mode the runway and frequency lists move left to make room
// for the picture buttons right of them; the approach list has room enough.
namespace volmira::browser {

struct EditModeLefts {
    int runwayBlock;  // gridRwyData, lblRWY, Label5 within frmRWY
    int lblRWYDesc;   // within frmRWY
    int comBlock;     // gridCom, Label7 within frmCom
    int line1End;     // right end of the separator Line1 within frmAPT
};

// cmdEdit and cmdFertig, placed by the layout rule like the page buttons.
inline constexpr TwipPoint kEditCommandsAt{13400, 120};

inline constexpr EditModeLefts kNormalLefts{820, 4100, 720, 14880};
inline constexpr EditModeLefts kEditLefts{120, 3480, 120, 13560};

// The edit mode's picture buttons: a square, a gap before the first one
// (which holds the rule Line2 or Line3) and between them.
inline constexpr int kEditButtonSide = 450;
inline constexpr int kEditButtonGap = 90;
inline constexpr int kEditButtonSpacing = 60;

}  // namespace volmira::browser
