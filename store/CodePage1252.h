#pragma once

#include <array>
#include <cstdint>

// Code page 1252, in which RTF writes the characters beyond ASCII as \'xx.
namespace volmira::store {

// Bytes 0x80 to 0x9F; the five unassigned ones stand for themselves, as
// Windows reads them. The bytes from 0xA0 up are the Latin-1 characters.
inline constexpr std::array<char16_t, 32> kCodePage1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

[[nodiscard]] constexpr char16_t fromCodePage1252(std::uint8_t byte) {
    return byte >= 0x80 && byte < 0xA0 ? kCodePage1252High[byte - 0x80] : char16_t(byte);
}

// The byte of a character beyond ASCII, or -1 when code page 1252 lacks it.
[[nodiscard]] constexpr int toCodePage1252(char16_t c) {
    if (c >= 0xA0 && c <= 0xFF) return c;
    for (std::size_t i = 0; i < kCodePage1252High.size(); ++i)
        if (kCodePage1252High[i] == c) return int(0x80 + i);
    return -1;
}

}  // namespace volmira::store
