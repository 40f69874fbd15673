#include "browser/AirportLayout.h"

namespace volmira::browser {

namespace {

// Half of a whole number, rounded to the nearest whole number, a half to the even neighbour.
int halfRoundedToEven(int value) {
    if (value % 2 == 0) return value / 2;
    const int floorHalf = value >= 0 ? value / 2 : (value - 1) / 2;  // C++ division truncates
    return floorHalf % 2 == 0 ? floorHalf : floorHalf + 1;
}

}  // namespace

std::optional<TwipPoint> centredOrigin(Twips innerWidth, Twips innerHeight) {
    const int left = halfRoundedToEven(innerWidth.value - kDesignWidth.value);
    const int top = halfRoundedToEven(innerHeight.value - kDesignHeight.value);
    if (left < 0 || top < 0) return std::nullopt;
    return TwipPoint{left, top};
}

}  // namespace volmira::browser
