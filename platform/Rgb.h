#pragma once

#include <cstdint>

namespace volmira::platform {

// A colour as red, green and blue, so the colour tables need no GUI library.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(const Rgb &, const Rgb &) = default;
};

// The colours of the two airfield categories, the same in the airport window
// and in the airport dialog's check boxes.
inline constexpr Rgb kVlpYellow{0xFF, 0xFF, 0x80};
inline constexpr Rgb kOtherOrange{0xFF, 0xC0, 0x80};

}  // namespace volmira::platform
