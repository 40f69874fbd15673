// libFuzzer target for map files: any bytes read as a BMP and a JPEG header and
// decoded as the map panel decodes them. No size may be negative, and the
// picture kept stays within its limit whatever the header claims. The limits
// are a sixteenth of the panel's, so that a header claiming a huge picture
// costs milliseconds rather than a second; the code taking them is the same.
#include "browser/MapHeader.h"
#include "browser/picture/MapPicture.h"
#include "browser/picture/NightPicture.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace volmira::browser;

namespace {

void require(bool holds) {
    if (!holds) std::abort();
}

// The decoders' complaints about damaged files would drown the fuzzer's output.
void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static const bool silenced = (qInstallMessageHandler(quiet), true);
    (void)silenced;
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    if (const auto bmp = readBmpSize(device)) require(bmp->width >= 0 && bmp->height >= 0);
    device.seek(0);
    if (const auto jpeg = readJpegSize(device); jpeg && jpeg->size)
        require(jpeg->startsAsJpeg && jpeg->size->width >= 0 && jpeg->size->height >= 0);
    device.seek(0);
    const PictureLimits limits{kMaxMapPixels / 16, kMapAllocationMb / 16};
    if (const auto picture = decodeMapPicture(device, limits)) {
        require(qint64(picture->image.width()) * picture->image.height() <= limits.maxPixels);
        require(picture->shrink >= 1 && picture->fileSize.width > 0);
        // The night view of whatever was decoded, twice, is the picture again.
        QImage night = picture->image;
        turnNightColours(night);
        turnNightColours(night);
        require(night.convertToFormat(QImage::Format_RGB32) == picture->image.convertToFormat(QImage::Format_RGB32));
    }
    return 0;
}
