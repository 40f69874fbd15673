#pragma once

namespace volmira::platform {

// A length in twips (1/1440 inch), the unit in which the window's layout is kept.
struct Twips {
    int value = 0;
};

// Qt's logical pixels are 1/96 inch whatever the screen, so a pixel is 15 twips.
inline constexpr int kTwipsPerPixel = 15;

// Nearest whole pixel, a half away from zero.
[[nodiscard]] constexpr int toPixels(Twips length) {
    const int half = kTwipsPerPixel / 2;
    return length.value >= 0 ? (length.value + half) / kTwipsPerPixel : -((-length.value + half) / kTwipsPerPixel);
}

[[nodiscard]] constexpr Twips fromPixels(int pixels) { return {pixels * kTwipsPerPixel}; }

}  // namespace volmira::platform
