#pragma once

#include <QImage>

// The night view of a chart: each colour's lightness turned over (L' = 1 - L
// in HSL) with its hue and saturation kept, so that white paper goes black,
// black lines white, and a red zone stays red. Per channel that is
// c' = c + 255 - max - min; applied twice it gives the day colours back.
namespace volmira::browser {

// Turns the picture in place; a picture of an unusual format is converted to
// 32-bit colour first. Safe on any thread for a picture no other thread uses.
void turnNightColours(QImage &picture);

// One colour, as the picture's pixels are turned.
[[nodiscard]] QRgb nightColour(QRgb colour);

}  // namespace volmira::browser
