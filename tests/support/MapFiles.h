#pragma once

#include <QByteArray>
#include <QtGlobal>

// Map files made in the tests: hand-made headers (support/MapPictures.h: pictures Qt encodes).
namespace volmira::test {

// A JPEG segment: FF, the marker, the 16-bit length, the payload.
QByteArray jpegSegment(quint8 marker, const QByteArray &payload);
// A frame header segment (marker C0..C3) of a picture of width x height.
QByteArray frameHeader(quint8 marker, int width, int height);
// The first 26 bytes of a BMP: "BM", sizes, a 40-byte DIB header's size, width, height.
QByteArray bmpHeader(qint32 width, qint32 height);
}  // namespace volmira::test
