#pragma once

#include "platform/Twips.h"

#include <optional>

// Where the airport window puts its fixed-size design: centred while the window
// is larger, left where it was while the window is smaller in either direction.
namespace volmira::browser {

using platform::Twips;

struct TwipPoint {
    int left = 0;
    int top = 0;

    friend constexpr bool operator==(const TwipPoint &, const TwipPoint &) = default;
};

inline constexpr Twips kDesignWidth{15180};
inline constexpr Twips kDesignHeight{7845};

// Designed positions of the controls the layout rule moves, relative to the
// design's top left corner.
inline constexpr TwipPoint kPagesAt{80, 1050};          // frmAPT, frmMap
inline constexpr TwipPoint kPageButtonsAt{80, 120};     // cmdKarte, cmdAPTData
inline constexpr TwipPoint kSearchAreaAt{1800, 0};      // Frame1
inline constexpr TwipPoint kQuickfindListAt{5280, 870}; // gridAirports
inline constexpr TwipPoint kSwitchTextAt{5760, 120};    // tTemp

// The design's top left corner for the window's inner size, or nothing when the
// window is smaller than the design in either direction (the controls stay).
[[nodiscard]] std::optional<TwipPoint> centredOrigin(Twips innerWidth, Twips innerHeight);

[[nodiscard]] constexpr TwipPoint placed(TwipPoint origin, TwipPoint designed) {
    return {origin.left + designed.left, origin.top + designed.top};
}

}  // namespace volmira::browser
