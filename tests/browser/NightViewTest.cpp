#include "browser/NightSetting.h"
#include "browser/picture/NightPicture.h"
#include "support/Files.h"

#include <QColor>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira;

TEST(NightView, LightnessTurnsOverAndTheHueStays) {
    const struct { QRgb day, night; } colours[] = {
        {qRgb(255, 255, 255), qRgb(0, 0, 0)},      // white paper goes black
        {qRgb(0, 0, 0), qRgb(255, 255, 255)},      // black lines go white
        {qRgb(255, 0, 0), qRgb(255, 0, 0)},        // pure red is half light: it stays
        {qRgb(128, 0, 0), qRgb(255, 127, 127)},    // a dark red zone goes light red
        {qRgb(0, 128, 128), qRgb(127, 255, 255)},  // dark cyan goes light cyan
        {qRgb(200, 200, 200), qRgb(55, 55, 55)},
    };
    for (const auto &c : colours) {
        EXPECT_EQ(browser::nightColour(c.day), c.night) << std::hex << c.day;
        if (QColor(c.day).hslSaturation() > 0)
            EXPECT_EQ(QColor(c.night).hslHue(), QColor(c.day).hslHue()) << std::hex << c.day;
    }
    // Every format a map picture comes in; twice gives the day back.
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_Indexed8, QImage::Format_Grayscale8,
                                        QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB888}) {
        QImage day(4, 3, QImage::Format_RGB32);
        day.fill(qRgb(128, 0, 0));
        day.setPixel(1, 1, qRgb(255, 255, 255));
        day = day.convertToFormat(format);
        QImage picture = day;
        browser::turnNightColours(picture);
        EXPECT_EQ(QColor(picture.pixel(1, 1)).lightness(), 255 - QColor(day.pixel(1, 1)).lightness()) << format;
        browser::turnNightColours(picture);
        EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32), day.convertToFormat(QImage::Format_RGB32)) << format;
    }
}

TEST(NightView, TheSettingIsKeptAndADamagedFileIsOff) {
    QTemporaryDir dir;
    const QString path = dir.filePath(browser::kNightFileName);
    EXPECT_FALSE(browser::readNightView(path));
    ASSERT_TRUE(browser::writeNightView(path, true).ok());
    EXPECT_TRUE(browser::readNightView(path));
    for (const QByteArray &damaged : {QByteArray("2\r\n"), QByteArray("\"1\"\r\n"), QByteArray("\xff\xfe")}) {
        test::writeFile(path, damaged);
        EXPECT_FALSE(browser::readNightView(path)) << damaged.toStdString();
    }
}
