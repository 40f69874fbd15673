#pragma once

#include <cstdint>

namespace volmira::browser {

// A colour as red, green and blue, so the colour tables need no GUI library.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(const Rgb &, const Rgb &) = default;
};

}  // namespace volmira::browser
