#pragma once

// Header only: the test programs without QtGui never compile it.
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <gtest/gtest.h>

namespace volmira::test {

// Map files the map tests link: a JPEG of the size, a PDF chart of some pages.
inline void writeJpeg(const QString &path, int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    EXPECT_TRUE(picture.save(path, "JPEG", 80)) << path.toStdString();
}

inline void writePdf(const QString &path, int pages = 1) {
    QPdfWriter pdf(path);
    QPainter painter(&pdf);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1) pdf.newPage();
        painter.drawText(QPointF(500, 500), QStringLiteral("Anflugkarte %1").arg(page));
    }
    EXPECT_TRUE(painter.end()) << path.toStdString();
}

}  // namespace volmira::test
