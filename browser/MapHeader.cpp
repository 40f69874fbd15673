#include "browser/MapHeader.h"

#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <limits>

namespace volmira::browser {

using platform::Failure;
using platform::Result;

namespace {

const QString kNoBmp = QStringLiteral("Die Datei ist kein lesbares BMP-Bild.");

// The BMP header up to the height: "BM", sizes and offsets, the DIB header's size.
constexpr qint64 kBmpHeaderBytes = 26;
constexpr int kCoreHeaderSize = 12;  // the oldest BMP header: 16-bit sizes at 18 and 20

quint32 littleEndian(const QByteArray &b, int at, int bytes) {
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | quint8(b[at + i]);
    return value;
}

// Reads the bytes of a JPEG header one at a time; false at the end of the file.
class JpegBytes {
public:
    explicit JpegBytes(QIODevice &device) : device_(device) {}
    bool byte(quint8 &value) {
        char c = 0;
        if (!device_.getChar(&c)) return false;
        value = quint8(c);
        return true;
    }
    bool word(quint16 &value) {  // high-order byte first, unsigned
        quint8 high = 0, low = 0;
        if (!byte(high) || !byte(low)) return false;
        value = quint16(high << 8 | low);
        return true;
    }
    // Skips by seeking where the device can; false when the file ends first.
    bool skip(qint64 count) { return device_.skip(count) == count; }

private:
    QIODevice &device_;
};

bool isFrameHeader(quint8 marker) { return marker >= 0xC0 && marker <= 0xC3; }
// Markers that stand alone, without a length: restart markers and TEM; 00 is
// a stuffed byte, not a marker.
bool standsAlone(quint8 marker) { return (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01 || marker == 0x00; }
constexpr quint8 kStartOfScan = 0xDA;
constexpr quint8 kEndOfImage = 0xD9;

Failure damaged() { return Failure{QString::fromUtf8(kDamagedPictureMessage)}; }

}  // namespace

Result<PixelSize> readBmpSize(QIODevice &device) {
    const QByteArray header = device.read(kBmpHeaderBytes);
    if (header.size() < kBmpHeaderBytes || !header.startsWith("BM")) return Failure{kNoBmp};
    if (littleEndian(header, 14, 4) == kCoreHeaderSize)
        return PixelSize{int(littleEndian(header, 18, 2)), int(littleEndian(header, 20, 2))};
    const qint32 width = qint32(littleEndian(header, 18, 4));
    const qint64 height = qint32(littleEndian(header, 22, 4));
    // A negative height marks a picture stored top row first.
    if (width < 0 || std::llabs(height) > std::numeric_limits<qint32>::max()) return Failure{kNoBmp};
    return PixelSize{width, int(std::llabs(height))};
}

Result<JpegSize> readJpegSize(QIODevice &device) {
    JpegBytes in(device);
    quint8 first = 0, second = 0;
    if (!in.byte(first) || !in.byte(second) || first != 0xFF || second != 0xD8)
        return JpegSize{std::nullopt, false};
    for (;;) {
        quint8 marker = 0;
        do {
            if (!in.byte(marker)) return damaged();
        } while (marker != 0xFF);
        while (marker == 0xFF)  // fill bytes before the marker
            if (!in.byte(marker)) return damaged();
        if (standsAlone(marker)) continue;
        if (marker == kStartOfScan) return JpegSize{std::nullopt, true};
        if (marker == kEndOfImage) return damaged();
        quint16 length = 0;
        if (!in.word(length) || length < 2) return damaged();
        if (isFrameHeader(marker)) {
            quint8 precision = 0;
            quint16 height = 0, width = 0;
            if (!in.byte(precision) || !in.word(height) || !in.word(width)) return damaged();
            return JpegSize{PixelSize{width, height}, true};
        }
        if (!in.skip(length - 2)) return damaged();
    }
}

Result<std::unique_ptr<QFile>> openMapFile(const QString &path) {
    Result<std::unique_ptr<QFile>> file = platform::openRegularFile(path);
    if (!file)
        return Failure{QStringLiteral("Die Datei %1 kann nicht gelesen werden: %2")
                           .arg(QDir::toNativeSeparators(path), file.error())};
    return file;
}

Result<std::optional<PixelSize>> readPixelSize(const QString &path, MapType type) {
    if (type == MapType::Pdf) return std::optional<PixelSize>();
    const Result<std::unique_ptr<QFile>> opened = openMapFile(path);
    if (!opened) return Failure{opened.error()};
    QFile &file = **opened;
    if (type == MapType::Bmp) {
        const Result<PixelSize> size = readBmpSize(file);
        if (!size) return Failure{size.error()};
        return std::optional<PixelSize>(*size);
    }
    const Result<JpegSize> jpeg = readJpegSize(file);
    if (!jpeg) return Failure{jpeg.error()};
    return jpeg->size;
}

}  // namespace volmira::browser
