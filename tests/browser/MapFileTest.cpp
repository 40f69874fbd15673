#include "browser/MapHeader.h"
#include "browser/NoteActions.h"
#include "browser/picture/MapPicture.h"

#include "support/Fifo.h"
#include "support/Files.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace volmira;

namespace {

// A JPEG segment: FF, the marker, the 16-bit length, the payload; a frame header (C0..C3) of width x height.
QByteArray jpegSegment(quint8 marker, const QByteArray &payload) {
    const int length = int(payload.size()) + 2;
    return QByteArray("\xFF") + char(marker) + char(length >> 8) + char(length & 0xFF) + payload;
}
QByteArray frameHeader(quint8 marker, int width, int height) {
    const char payload[] = {8, char(height >> 8), char(height), char(width >> 8), char(width), 1, 1, 0x11, 0};
    return jpegSegment(marker, QByteArray(payload, sizeof payload));
}
// The first 26 bytes of a BMP with a 40-byte DIB header.
QByteArray bmpHeader(qint32 width, qint32 height) {
    QByteArray header = QByteArray("BM").leftJustified(26, '\0');
    for (const auto &[at, value] : {std::pair{14, 40}, {18, width}, {22, height}}) qToLittleEndian<qint32>(value, header.data() + at);
    return header;
}

QByteArray picture(int width, int height, const char *format) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, format) ? bytes : QByteArray();
}

QString shown(const browser::PixelSize &s) { return QString("%1 x %2").arg(s.width).arg(s.height); }

// "W x H", "keine Größe" (scan first), "Bildgröße" (no FF D8: the decoded size counts), or the failure.
QString headerSize(QByteArray bytes, bool bmp) {
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    if (const auto size = browser::readBmpSize(device); bmp) return size ? shown(*size) : size.error();
    device.seek(0);
    const auto size = browser::readJpegSize(device);
    return !size ? size.error() : !size->startsAsJpeg ? "Bildgröße" : size->size ? shown(*size->size) : "keine Größe";
}

// "W x H / shrink", or the failure.
QString decoded(QByteArray bytes, const browser::PictureLimits &limits) {
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const auto p = browser::decodeMapPicture(device, limits);
    return p ? shown({p->image.width(), p->image.height()}) + " / " + QString::number(p->shrink) : p.error();
}

}  // namespace

TEST(MapFile, SizesComeFromTheHeaderWhereverItStandsAndDamageIsReported) {
    const QByteArray soi("\xFF\xD8"), app0 = jpegSegment(0xE0, "JFIF"), app1 = jpegSegment(0xE1, QByteArray(40000, 'x'));
    const QByteArray scan = jpegSegment(0xDA, "123456"), dqt = jpegSegment(0xDB, QByteArray(65, 1));
    const QByteArray core = (QByteArray("BM").leftJustified(14, '\0') + QByteArray("\x0C\0\0\0\x34\x01\x02", 7)).leftJustified(26, '\0');
    const QString damaged = "Fehler im Bild", noBmp = "Die Datei ist kein lesbares BMP-Bild.";
    const struct { bool bmp; QByteArray bytes; QString size; } cases[] = {
        {false, soi + app0 + dqt + frameHeader(0xC0, 2000, 1500) + scan, "2000 x 1500"},
        {false, soi + app0 + frameHeader(0xC2, 640, 480) + scan, "640 x 480"},                // progressive
        {false, soi + app1 + frameHeader(0xC1, 65535, 40000), "65535 x 40000"},             // lengths, sizes over 32767
        {false, soi + "\xFF\xFF\xFF" + frameHeader(0xC0, 7, 9), "7 x 9"},                     // fill bytes
        {false, soi + "\xFF\xD0" + frameHeader(0xC3, 5, 4), "5 x 4"},                         // a marker without length
        {false, picture(37, 23, "JPG"), "37 x 23"}, {false, soi + app0 + scan, "keine Größe"}, {false, bmpHeader(8, 8), "Bildgröße"},
        {false, soi + app1.left(30000), damaged}, {false, soi + app0, damaged}, {false, soi + frameHeader(0xC0, 8, 8).left(6), damaged},
        {false, soi + QByteArray("\xFF\xE0\x00\x01", 4) + frameHeader(0xC0, 8, 8), damaged},  // length below 2
        {false, soi + "\xFF\xD9" + frameHeader(0xC0, 8, 8), damaged},                         // end of image first
        {true, bmpHeader(300, 200), "300 x 200"}, {true, bmpHeader(300, -200), "300 x 200"},  // top-down
        {true, core, "308 x 2"}, {true, picture(37, 23, "BMP"), "37 x 23"}, {true, picture(37, 23, "JPG"), noBmp},
        {true, bmpHeader(300, 200).left(25), noBmp}, {true, bmpHeader(-300, 200), noBmp},
        {true, bmpHeader(300, std::numeric_limits<qint32>::min()), noBmp},
    };
    for (const auto &c : cases) EXPECT_EQ(headerSize(c.bytes, c.bmp), c.size) << c.bytes.left(40).toHex().data();
}

TEST(MapFile, LargePicturesAreKeptSmallerAndNoHeaderAllocatesPastTheLimit) {
    const QString refused = "Das Bild kann nicht gelesen werden.";
    const QByteArray exif("Exif\0\0MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0", 32);  // EXIF: turn a quarter
    QByteArray huge = picture(16, 16, "JPG");  // its frame header made to claim 65500 x 65500, the decoder's largest
    huge.replace(huge.indexOf("\xFF\xC0") + 5, 4, "\xFF\xDC\xFF\xDC");
    const QByteArray hugeBmp = bmpHeader(65535, 65535) + QByteArray(40, '\0');
    const struct { QByteArray bytes; QString kept; } cases[] = {
        {picture(200, 200, "JPG"), "200 x 200 / 1"}, {picture(400, 300, "JPG"), "200 x 150 / 2"},
        {picture(801, 600, "BMP"), "201 x 150 / 4"}, {picture(40, 20, "JPG").insert(2, jpegSegment(0xE1, exif)), "40 x 20 / 1"},
        {huge, refused}, {hugeBmp, refused}, {"BM nonsense", refused}, {"P1\n1 1\n1\n", refused},  // a bitmap of another format
    };
    for (const auto &c : cases) EXPECT_EQ(decoded(c.bytes, {40'000, 16}), c.kept) << c.bytes.left(30).toHex().data();
    EXPECT_EQ(decoded(hugeBmp, {}), refused);  // under the panel's own limits too: a BMP cannot shrink while decoding
}

TEST(MapFile, LoadingTakesTheHeaderSizeOrTheDecodedOneAndRefusesWhatIsNoFile) {
    QTemporaryDir dir;
    const struct { const char *file; QByteArray bytes; browser::MapType type; QString pixels; bool decodes; } cases[] = {
        {"a.jpg", picture(30, 20, "JPG"), browser::MapType::Jpeg, "30 x 20", true}, {"b.jpg", picture(31, 21, "BMP"), browser::MapType::Jpeg, "31 x 21", true},
        {"c.jpg", picture(30, 20, "JPG").left(40), browser::MapType::Jpeg, "Fehler im Bild", false},
        {"e.bmp", picture(30, 20, "JPG"), browser::MapType::Bmp, "Die Datei ist kein lesbares BMP-Bild.", true},
    };
    for (const auto &c : cases) {
        test::writeFile(dir.filePath(c.file), c.bytes);
        const browser::LoadedMap loaded = browser::loadMap(dir.filePath(c.file), c.type);
        EXPECT_EQ(loaded.pixels ? shown(loaded.pixels->value()) : loaded.pixels.error(), c.pixels) << c.file;
        EXPECT_EQ(loaded.picture.ok(), c.decodes) << c.file;
    }
    const browser::LoadedMap missing = browser::loadMap(dir.filePath("fehlt.jpg"), browser::MapType::Jpeg);
    EXPECT_FALSE(missing.picture.ok() || missing.pixels.ok());
    // A FIFO or a folder in a map's or a note's place is refused at once.
    const test::Fifo fifo(dir.filePath("fifo.jpg"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("ordner.jpg"));
    for (const auto &[name, reason] : {std::pair("fifo.jpg", "keine gewöhnliche Datei."), {"ordner.jpg", "einen Ordner."}})
        for (const QString &error : {browser::readNoteFile(dir.filePath(name)).error(),
                                     browser::readPixelSize(dir.filePath(name), browser::MapType::Jpeg).error()})
            EXPECT_TRUE(error.endsWith(QString(": Der Name bezeichnet ") + reason)) << error.toStdString();
    EXPECT_FALSE(fifo.blocked);
}
