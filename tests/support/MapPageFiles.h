#pragma once

// Header only: the test programs without QtGui never compile it.
#include "store/Database.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <sqlcipher/sqlite3.h>

#include <gtest/gtest.h>

namespace volmira::test {

// Map files the map tests link, written into the folder; each gives its path.
// A JPEG of the size, shaded so that no two rows are alike.
inline QString writeJpeg(const QString &folder, const QString &name, int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) line[x] = qRgb(x * 255 / width, y * 255 / height, 128);
    }
    const QString path = QDir(folder).filePath(name);
    EXPECT_TRUE(picture.save(path, "JPEG", 80)) << path.toStdString();
    return path;
}

// A PDF chart of two pages.
inline QString writePdf(const QString &folder, const QString &name) {
    const QString path = QDir(folder).filePath(name);
    QPdfWriter pdf(path);
    QPainter painter(&pdf);
    painter.drawText(QPointF(500, 500), QStringLiteral("Anflugkarte"));
    pdf.newPage();
    painter.drawText(QPointF(500, 500), QStringLiteral("Seite 2"));
    EXPECT_TRUE(painter.end()) << path.toStdString();
    return path;
}

// Counts the rows of MAPDATA that statements change while it lives.
class MapWriteCounter {
public:
    explicit MapWriteCounter(store::Database &db) : db_(db) { sqlite3_update_hook(db_.handle(), count, this); }
    ~MapWriteCounter() { sqlite3_update_hook(db_.handle(), nullptr, nullptr); }
    MapWriteCounter(const MapWriteCounter &) = delete;
    MapWriteCounter &operator=(const MapWriteCounter &) = delete;

    int updates = 0;

private:
    static void count(void *self, int operation, const char *, const char *table, sqlite3_int64) {
        if (operation == SQLITE_UPDATE && qstrcmp(table, "MAPDATA") == 0) ++static_cast<MapWriteCounter *>(self)->updates;
    }
    store::Database &db_;
};

}  // namespace volmira::test
