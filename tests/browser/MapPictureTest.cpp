#include "browser/picture/MapPicture.h"

#include "support/Files.h"
#include "support/MapPictures.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira;

namespace {

// "W x H / shrink", or the failure.
QString decoded(QByteArray bytes, const browser::PictureLimits &limits) {
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const platform::Result<browser::MapPicture> p = browser::decodeMapPicture(device, limits);
    return p ? QString("%1 x %2 / %3").arg(p->image.width()).arg(p->image.height()).arg(p->shrink) : p.error();
}

// A JPEG of 40 x 20 whose EXIF says: turn a quarter for showing.
QByteArray turnedJpeg() {
    const QByteArray exif("Exif\0\0MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0", 32);
    return test::picture(40, 20, "JPG").insert(2, test::jpegSegment(0xE1, exif));
}

// A JPEG as Qt writes it whose frame header claims 65500 x 65500 pixels, the
// decoder's largest (65535 it refuses at once).
QByteArray claimingHuge() {
    QByteArray jpeg = test::picture(16, 16, "JPG");
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    jpeg.replace(frame + 5, 4, "\xFF\xDC\xFF\xDC");
    return jpeg;
}

}  // namespace

TEST(MapPicture, LargePicturesAreKeptSmallerAndNoHeaderAllocatesPastTheLimit) {
    const browser::PictureLimits small{40'000, 16};
    const QByteArray claims64k = claimingHuge();
    const QString refused = "Das Bild kann nicht gelesen werden.";
    const struct {
        const char *what;
        QByteArray bytes;
        QString kept;
    } cases[] = {
        {"JPEG within the limit", test::picture(200, 200, "JPG"), "200 x 200 / 1"},
        {"JPEG at a half", test::picture(400, 300, "JPG"), "200 x 150 / 2"},
        {"BMP at a quarter", test::picture(801, 600, "BMP"), "201 x 150 / 4"},
        {"EXIF turn not applied", turnedJpeg(), "40 x 20 / 1"},
        {"JPEG header of 65500 x 65500", claims64k, refused},
        {"BMP header of 65535 x 65535", test::bmpHeader(65535, 65535) + QByteArray(40, '\0'), refused},
        {"no picture", "BM nonsense", refused},
    };
    for (const auto &c : cases) EXPECT_EQ(decoded(c.bytes, small), c.kept) << c.what;
    // Under the panel's own limits too: a BMP cannot shrink while decoding.
    EXPECT_EQ(decoded(cases[5].bytes, {}), refused);
}

TEST(MapPicture, LoadingReadsTheHeaderSizeOrTheDecodedOne) {
    QTemporaryDir dir;
    const struct {
        const char *file;
        QByteArray bytes;
        browser::MapType type;
        QString pixels;   // "W x H", "-" for none, or the failure
        bool decodes;
    } cases[] = {
        {"a.jpg", test::picture(30, 20, "JPG"), browser::MapType::Jpeg, "30 x 20", true},
        {"bmp-inside.jpg", test::picture(31, 21, "BMP"), browser::MapType::Jpeg, "31 x 21", true},
        {"broken.jpg", test::picture(30, 20, "JPG").left(40), browser::MapType::Jpeg, "Fehler im Bild", false},
        {"a.bmp", test::picture(32, 22, "BMP"), browser::MapType::Bmp, "32 x 22", true},
        {"jpeg-inside.bmp", test::picture(30, 20, "JPG"), browser::MapType::Bmp, "Die Datei ist kein lesbares BMP-Bild.", true},
    };
    for (const auto &c : cases) {
        test::writeFile(dir.filePath(c.file), c.bytes);
        const browser::LoadedMap loaded = browser::loadMap(dir.filePath(c.file), c.type);
        const auto &p = loaded.pixels;
        EXPECT_EQ(!p ? p.error() : *p ? QString("%1 x %2").arg((*p)->width).arg((*p)->height) : "-", c.pixels) << c.file;
        EXPECT_EQ(loaded.picture.ok(), c.decodes) << c.file;
    }
    const browser::LoadedMap missing = browser::loadMap(dir.filePath("fehlt.jpg"), browser::MapType::Jpeg);
    EXPECT_FALSE(missing.picture.ok() || missing.pixels.ok());
}
