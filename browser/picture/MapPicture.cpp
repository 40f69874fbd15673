#include "browser/picture/MapPicture.h"

#include <QFile>
#include <QImageReader>

namespace volmira::browser {

using platform::Failure;
using platform::Result;

namespace {

const QString kNotDecoded = QStringLiteral("Das Bild kann nicht gelesen werden.");

qint64 ceilDiv(qint64 a, qint64 b) { return (a + b - 1) / b; }

// A reader for map pictures only: BMP or JPEG, whatever the file's name says;
// the decoders of other formats are kept away from files of unknown origin.
bool mapReader(QImageReader &reader, const PictureLimits &limits) {
    reader.setAutoTransform(false);  // the map as the file holds it, not turned by EXIF
    reader.setAllocationLimit(limits.allocationMb);
    const QByteArray format = reader.format();
    return format == "bmp" || format == "jpeg";
}

}  // namespace

int keptShrink(PixelSize fileSize, qint64 maxPixels) {
    int shrink = 1;
    // Halving each side quarters the pixels.
    while (ceilDiv(fileSize.width, shrink) * ceilDiv(fileSize.height, shrink) > maxPixels) shrink *= 2;
    return shrink;
}

Result<MapPicture> decodeMapPicture(QIODevice &device, const PictureLimits &limits) {
    QImageReader reader(&device);
    if (!mapReader(reader, limits)) return Failure{kNotDecoded};
    MapPicture picture;
    const QSize size = reader.size();
    if (size.width() > 0 && size.height() > 0) {
        picture.fileSize = {size.width(), size.height()};
        // The decoder of JPEG pictures decodes at that scale directly.
        picture.shrink = keptShrink(picture.fileSize, limits.maxPixels);
        if (picture.shrink > 1)
            reader.setScaledSize(QSize(int(ceilDiv(size.width(), picture.shrink)),
                                       int(ceilDiv(size.height(), picture.shrink))));
    }
    picture.image = reader.read();
    if (picture.image.isNull() || qint64(picture.image.width()) * picture.image.height() > limits.maxPixels)
        return Failure{kNotDecoded};
    if (picture.fileSize.width == 0)
        picture.fileSize = {picture.image.width() * picture.shrink, picture.image.height() * picture.shrink};
    return picture;
}

LoadedMap loadMap(const QString &path, MapType type, const PictureLimits &limits) {
    LoadedMap loaded;
    const Result<std::unique_ptr<QFile>> opened = openMapFile(path);
    if (!opened) {
        loaded.picture = Failure{opened.error()};
        loaded.pixels = Failure{opened.error()};
        return loaded;
    }
    QFile &file = **opened;
    bool decodedSizeCounts = false;
    if (type == MapType::Bmp) {
        const Result<PixelSize> bmp = readBmpSize(file);
        loaded.pixels = bmp ? Result<std::optional<PixelSize>>(std::optional<PixelSize>(*bmp))
                            : Result<std::optional<PixelSize>>(Failure{bmp.error()});
    } else {
        const Result<JpegSize> jpeg = readJpegSize(file);
        loaded.pixels = jpeg ? Result<std::optional<PixelSize>>(jpeg->size)
                             : Result<std::optional<PixelSize>>(Failure{jpeg.error()});
        decodedSizeCounts = jpeg && !jpeg->startsAsJpeg;
    }
    if (!file.seek(0)) {
        loaded.picture = Failure{kNotDecoded};
        return loaded;
    }
    loaded.picture = decodeMapPicture(file, limits);
    if (decodedSizeCounts && loaded.picture) loaded.pixels = std::optional<PixelSize>(loaded.picture->fileSize);
    return loaded;
}

Result<QImage> decodeMapPart(QIODevice &device, const QRect &part, const QSize &wanted, const PictureLimits &limits) {
    QImageReader reader(&device);
    if (!mapReader(reader, limits) || part.isEmpty() || wanted.isEmpty() ||
        qint64(wanted.width()) * wanted.height() > limits.maxPixels)
        return Failure{kNotDecoded};
    // The JPEG decoder reads the part only and decodes at a smaller scale
    // directly; a BMP is read whole and cut, under the allocation limit.
    reader.setClipRect(part);
    reader.setScaledSize(wanted);
    QImage image = reader.read();
    if (image.isNull()) return Failure{kNotDecoded};
    return image;
}

}  // namespace volmira::browser
