#pragma once

#include "browser/MapHeader.h"
#include "platform/Result.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QIODevice>
#include <QString>

#include <optional>

// Decoding a map picture (BMP or JPEG) under limits of its own: the picture
// kept has at most kMaxMapPixels pixels (a larger one is decoded at a half, a
// quarter, ...), and no decode may allocate more than kMapAllocationMb, so a
// header claiming 65,535 x 65,535 pixels is refused or shrunk, never allocated.
// EXIF rotation is not applied. Safe to call from any thread: each call has
// its own reader.
namespace volmira::browser {

inline constexpr qint64 kMaxMapPixels = 64'000'000;
inline constexpr int kMapAllocationMb = 512;

struct PictureLimits {
    qint64 maxPixels = kMaxMapPixels;
    int allocationMb = kMapAllocationMb;
};

struct MapPicture {
    QImage image;     // the kept picture: ImageWidth x ImageHeight
    int shrink = 1;   // 1, 2, 4, ...: the file's pixels per kept pixel along each side
    PixelSize fileSize;  // the picture's size as the file holds it
};

// The picture of the device; a German failure when it cannot be decoded or is
// neither a BMP nor a JPEG picture, whatever its name says.
[[nodiscard]] platform::Result<MapPicture> decodeMapPicture(QIODevice &device, const PictureLimits &limits = {});

// The kept picture's shrink for a file of the size: 1, 2, 4, ... so that the
// kept picture holds at most maxPixels pixels.
[[nodiscard]] int keptShrink(PixelSize fileSize, qint64 maxPixels = kMaxMapPixels);

// The part (in the file's pixels) of the device's picture, scaled to `wanted`
// pixels, for printing: a JPEG decodes only that part at the scale nearest
// above, so that a huge picture costs the paper's pixels, not its own.
[[nodiscard]] platform::Result<QImage> decodeMapPart(QIODevice &device, const QRect &part, const QSize &wanted,
                                                     const PictureLimits &limits = {});

// What the viewer needs of a picture file, read off the UI thread at once.
struct LoadedMap {
    platform::Result<MapPicture> picture = platform::Failure{};
    // PixelWidth and PixelHeight: the header's size (readBmpSize, readJpegSize),
    // the decoded picture's (at the file's scale) for a JPEG without FF D8,
    // nothing when there is none. A failure for a damaged JPEG header
    // (kDamagedPictureMessage) or a BMP without "BM".
    platform::Result<std::optional<PixelSize>> pixels = std::optional<PixelSize>();
};

// Reads the header and decodes the picture of a BMP or JPEG file.
[[nodiscard]] LoadedMap loadMap(const QString &path, MapType type, const PictureLimits &limits = {});

}  // namespace volmira::browser
