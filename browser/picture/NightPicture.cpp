#include "browser/picture/NightPicture.h"

#include <algorithm>

namespace volmira::browser {

namespace {

// `full` is 255, or a premultiplied pixel's alpha: the turn is linear in the channels.
inline QRgb turn(QRgb pixel, unsigned full) {
    const unsigned r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    const unsigned sum = std::max({r, g, b}) + std::min({r, g, b});
    return (pixel & 0xff000000u) | ((r + full - sum) << 16) | ((g + full - sum) << 8) | (b + full - sum);
}

}  // namespace

QRgb nightColour(QRgb colour) { return turn(colour, 255); }

void turnNightColours(QImage &picture) {
    switch (picture.format()) {
    case QImage::Format_Indexed8: {
        QList<QRgb> table = picture.colorTable();
        for (QRgb &colour : table) colour = nightColour(colour);
        picture.setColorTable(table);
        return;
    }
    case QImage::Format_Grayscale8:
        for (int y = 0; y < picture.height(); ++y) {
            uchar *line = picture.scanLine(y);
            for (int x = 0; x < picture.width(); ++x) line[x] = uchar(255 - line[x]);
        }
        return;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        break;
    case QImage::Format_ARGB32_Premultiplied:
        for (int y = 0; y < picture.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) line[x] = turn(line[x], qAlpha(line[x]));
        }
        return;
    default:
        picture.convertTo(picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
    for (int y = 0; y < picture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) line[x] = turn(line[x], 255);
    }
}

}  // namespace volmira::browser
