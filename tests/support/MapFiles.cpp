#include "support/MapFiles.h"

#include <QtEndian>

namespace volmira::test {

QByteArray jpegSegment(quint8 marker, const QByteArray &payload) {
    QByteArray segment("\xFF");
    segment += char(marker);
    const quint16 length = quint16(payload.size() + 2);
    segment += char(length >> 8);
    segment += char(length & 0xFF);
    return segment + payload;
}

QByteArray frameHeader(quint8 marker, int width, int height) {
    const char payload[] = {8, char(height >> 8), char(height), char(width >> 8), char(width), 1, 1, 0x11, 0};
    return jpegSegment(marker, QByteArray(payload, sizeof payload));
}

QByteArray bmpHeader(qint32 width, qint32 height) {
    QByteArray header("BM");
    header.resize(26, '\0');
    qToLittleEndian<qint32>(40, header.data() + 14);
    qToLittleEndian<qint32>(width, header.data() + 18);
    qToLittleEndian<qint32>(height, header.data() + 22);
    return header;
}

}  // namespace volmira::test
