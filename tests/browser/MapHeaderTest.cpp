#include "browser/MapHeader.h"

#include "support/MapPictures.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace volmira;
using test::frameHeader;
using test::jpegSegment;

namespace {

const QByteArray kStart("\xFF\xD8", 2);
const QByteArray kScan = jpegSegment(0xDA, QByteArray(6, '\0'));

// "W x H", "keine Größe" (scan first), "Bildgröße" (no FF D8: the decoded size counts), or the failure.
QString jpegSize(QByteArray bytes) {
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const platform::Result<browser::JpegSize> size = browser::readJpegSize(device);
    if (!size) return size.error();
    if (!size->startsAsJpeg) return "Bildgröße";
    if (!size->size) return "keine Größe";
    return QString("%1 x %2").arg(size->size->width).arg(size->size->height);
}

QString bmpSize(QByteArray bytes) {
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const platform::Result<browser::PixelSize> size = browser::readBmpSize(device);
    return size ? QString("%1 x %2").arg(size->width).arg(size->height) : size.error();
}

}  // namespace

TEST(MapHeader, JpegSizeComesFromTheFrameHeaderWhereverItStands) {
    const QByteArray app0 = jpegSegment(0xE0, QByteArray("JFIF\0\1\1\0\0\1\0\1\0\0", 14));
    const QByteArray dqt = jpegSegment(0xDB, QByteArray(65, '\x10'));
    const QByteArray exif40k = jpegSegment(0xE1, QByteArray(40000, 'x'));  // a length above 32767
    const struct {
        const char *what;
        QByteArray bytes;
        QString size;
    } cases[] = {
        {"APP0 and DQT first", kStart + app0 + dqt + frameHeader(0xC0, 2000, 1500) + kScan, "2000 x 1500"},
        {"progressive", kStart + app0 + frameHeader(0xC2, 640, 480) + kScan, "640 x 480"},
        {"40 KB APP1", kStart + exif40k + frameHeader(0xC1, 300, 200), "300 x 200"},
        {"sizes above 32767", kStart + frameHeader(0xC0, 65535, 40000), "65535 x 40000"},
        {"fill bytes", kStart + QByteArray("\xFF\xFF\xFF") + frameHeader(0xC0, 7, 9), "7 x 9"},
        {"restart marker alone", kStart + QByteArray("\xFF\xD0") + frameHeader(0xC3, 5, 4), "5 x 4"},
        {"as Qt writes it", test::picture(37, 23, "JPG"), "37 x 23"},
        {"scan before a frame", kStart + app0 + kScan, "keine Größe"},
        {"ends in APP1", kStart + exif40k.left(30000), "Fehler im Bild"},
        {"ends after APP0", kStart + app0, "Fehler im Bild"},
        {"ends in the frame header", kStart + frameHeader(0xC0, 8, 8).left(6), "Fehler im Bild"},
        {"length below 2", kStart + QByteArray("\xFF\xE0\x00\x01", 4) + frameHeader(0xC0, 8, 8), "Fehler im Bild"},
        {"end of image first", kStart + QByteArray("\xFF\xD9") + frameHeader(0xC0, 8, 8), "Fehler im Bild"},
        {"no FF D8", test::bmpHeader(8, 8), "Bildgröße"},
        {"empty", QByteArray(), "Bildgröße"},
    };
    for (const auto &c : cases) EXPECT_EQ(jpegSize(c.bytes), c.size) << c.what;
}

TEST(MapHeader, BmpSizeIsPositiveForEitherRowOrder) {
    const QString noBmp = "Die Datei ist kein lesbares BMP-Bild.";
    QByteArray core("BM");
    core.resize(26, '\0');
    core[14] = 12, core[18] = char(0x34), core[19] = 1, core[20] = 2;  // 16-bit sizes: 308 x 2
    const struct {
        const char *what;
        QByteArray bytes;
        QString size;
    } cases[] = {
        {"bottom-up", test::bmpHeader(300, 200), "300 x 200"},
        {"top-down", test::bmpHeader(300, -200), "300 x 200"},
        {"oldest header", core, "308 x 2"},
        {"as Qt writes it", test::picture(37, 23, "BMP"), "37 x 23"},
        {"no BM", test::picture(37, 23, "JPG"), noBmp},
        {"short", test::bmpHeader(300, 200).left(25), noBmp},
        {"negative width", test::bmpHeader(-300, 200), noBmp},
        {"lowest height", test::bmpHeader(300, std::numeric_limits<qint32>::min()), noBmp},
    };
    for (const auto &c : cases) EXPECT_EQ(bmpSize(c.bytes), c.size) << c.what;
}
