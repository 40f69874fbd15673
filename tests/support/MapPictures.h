#pragma once

#include "support/MapFiles.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

namespace volmira::test {

// A picture of width x height in a format Qt writes ("JPG", "BMP"). Inline:
// only the test programs that link QtGui include it.
inline QByteArray picture(int width, int height, const char *format) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

}  // namespace volmira::test
