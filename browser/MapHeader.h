#pragma once

#include "browser/MapPath.h"
#include "platform/Result.h"

#include <QFile>
#include <QIODevice>
#include <QString>

#include <memory>
#include <optional>

// The pixel size a map file's header claims (PixelWidth, PixelHeight), read
// from the first bytes without decoding the picture. Every read is bounds
// checked: a damaged file gives a failure, never a read past its end.
namespace volmira::browser {

struct PixelSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelSize &, const PixelSize &) = default;
};

// The message of a JPEG whose header cannot be read (box without a title of its own).
inline constexpr const char kDamagedPictureMessage[] = "Fehler im Bild";

// A BMP's size from offsets 18 and 22 (little-endian); a top-down picture's
// negative height is taken as its absolute value. A failure when the file does
// not begin with "BM" or is shorter than the header.
[[nodiscard]] platform::Result<PixelSize> readBmpSize(QIODevice &device);

struct JpegSize {
    // The frame header's size; nothing when the scan (DA) begins before a
    // frame header: then the file gives no size and the view is not set up.
    std::optional<PixelSize> size;
    // False when the file does not begin with FF D8: then the decoded
    // picture's size counts instead.
    bool startsAsJpeg = true;
};

// A JPEG's size from its frame header (SOF markers C0 to C3, baseline to
// progressive), other segments skipped by their unsigned 16-bit lengths, fill
// bytes FF skipped. The failure kDamagedPictureMessage when the file ends
// before a frame header or a scan, or a segment length is below 2.
[[nodiscard]] platform::Result<JpegSize> readJpegSize(QIODevice &device);

// The map file opened for reading, when it is a regular file; the failure
// names the file and why, and comes at once for a FIFO or device, whose open
// would wait.
[[nodiscard]] platform::Result<std::unique_ptr<QFile>> openMapFile(const QString &path);

// The header's size of a map file of the type: nothing for a PDF, a JPEG
// without FF D8 or one whose scan comes first. A failure when the file cannot
// be read or its header is damaged.
[[nodiscard]] platform::Result<std::optional<PixelSize>> readPixelSize(const QString &path, MapType type);

}  // namespace volmira::browser
