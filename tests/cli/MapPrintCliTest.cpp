// Printing a linked chart to a PDF page through the real executables.
#include "support/Command.h"
#include "support/Files.h"
#include "support/FullDisk.h"

#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira;

namespace {

// Pixels of the page rendered back that are clearly the colour.
int pixelsOf(const QImage &page, QColor colour) {
    int count = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            count += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                         std::abs(c.blue() - colour.blue()) < 90;
        }
    return count;
}

struct PrintedPage {
    int pages = 0;
    QSizeF points;
    QImage image;
};

PrintedPage readBack(const QString &path) {
    QPdfDocument pdf;
    if (pdf.load(path) != QPdfDocument::Error::None) return {};
    return {pdf.pageCount(), pdf.pagePointSize(0), pdf.render(0, (pdf.pagePointSize(0) / 4).toSize())};
}

struct MapPrintCli : ::testing::Test {
    QTemporaryDir dir;
    test::CommandResult run(const QStringList &arguments) { return test::runCommand(dir.path(), arguments); }
    QString path(const char *name) const { return dir.filePath(name); }
    void sql(const char *statement) { test::executeSql(path("vmdata.vmd"), statement); }
    // A 400 x 200 picture, its left half red, its right half blue, linked as EDDF's map 0.
    void linkHalves() {
        QImage picture(400, 200, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QPainter(&picture).fillRect(200, 0, 200, 200, Qt::blue);
        ASSERT_TRUE(picture.save(path("halves.jpg"), "JPEG", 90));
        ASSERT_EQ(run({"map", "link", "EDDF", "0", path("halves.jpg")}).exitCode, 0);
    }
};

}  // namespace

TEST_F(MapPrintCli, TheStoredPartPrintsTurnedOntoThePaperAndWholeWithWhole) {
    linkHalves();
    const struct { const char *rotation; QStringList extra; QSizeF points; bool red, blue; } cases[] = {
        {"0", {"--paper", "A5"}, {595.3, 419.5}, false, true},  // the right half, across an A5 page
        {"1", {"--paper", "A5"}, {419.5, 595.3}, false, true},  // turned: upright
        {"0", {"--whole"}, {841.9, 595.3}, true, true},          // A4 without --paper
    };
    for (const auto &c : cases) {
        sql(qPrintable(QString("UPDATE MAPDATA SET SX = 200, SY = 0, SW = 200, SH = 100, Rotation = %1").arg(c.rotation)));
        const test::CommandResult r = run(QStringList{"map", "print", "EDDF", "0", "--pdf", path("k.pdf")} + c.extra);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const PrintedPage page = readBack(path("k.pdf"));
        EXPECT_EQ(page.pages, 1);
        EXPECT_NEAR(page.points.width(), c.points.width(), 1) << c.rotation;
        EXPECT_NEAR(page.points.height(), c.points.height(), 1) << c.rotation;
        EXPECT_EQ(pixelsOf(page.image, Qt::red) > 100, c.red) << c.rotation;
        EXPECT_EQ(pixelsOf(page.image, Qt::blue) > 100, c.blue) << c.rotation;
    }
}

TEST_F(MapPrintCli, APdfChartPrintsTheStoredPageOrTheOneAsked) {
    {
        QPdfWriter writer(path("karte.pdf"));
        QPainter painter(&writer);
        painter.fillRect(painter.window(), Qt::red);
        writer.newPage();
        painter.fillRect(painter.window(), Qt::blue);
    }
    ASSERT_EQ(run({"map", "link", "EDDF", "3", path("karte.pdf")}).exitCode, 0);
    sql("UPDATE MAPDATA SET PdfPage = 1");
    for (const auto &[page, colour] : {std::pair(QStringList{}, QColor(Qt::blue)), std::pair(QStringList{"--page", "1"}, QColor(Qt::red))}) {
        ASSERT_EQ(run(QStringList{"map", "print", "EDDF", "3", "--pdf", path("k.pdf")} + page).exitCode, 0);
        const QImage printed = readBack(path("k.pdf")).image;
        EXPECT_GT(pixelsOf(printed, colour), printed.width() * printed.height() / 2) << page.join(' ').toStdString();
    }
}

TEST_F(MapPrintCli, RefusalsAKillAndAFullDiskLeaveTheOlderFile) {
    linkHalves();
    ASSERT_TRUE(QFile::copy(path("halves.jpg"), path("fehlt.jpg")));
    test::writeFile(path("kaputt.jpg"), "kein Bild");
    for (const char *link : {"1 fehlt.jpg", "2 kaputt.jpg", "4 halves.jpg"})
        ASSERT_EQ(run({"map", "link", "EDDF", QString(link).section(' ', 0, 0), path(strchr(link, ' ') + 1)}).exitCode, 0);
    ASSERT_TRUE(QFile::remove(path("fehlt.jpg")));
    ASSERT_EQ(run({"map", "print", "EDDF", "0", "--pdf", path("k.pdf")}).exitCode, 0);
    const QByteArray older = test::readFile(path("k.pdf"));
    const struct { QStringList arguments; int exitCode; const char *message; } cases[] = {
        {{"5"}, 1, "Karte 5 von EDDF ist nicht verknüpft."},
        {{"1"}, 1, "fehlt.jpg gibt es nicht."},
        {{"2"}, 3, "„kaputt.jpg“ kann nicht gelesen werden."},
        {{"0", "--page", "2"}, 2, "--page gilt nur für PDF-Karten"},
        {{"0", "--paper", "A3"}, 2, "Ungültiger Wert für --paper"},
        {{"12"}, 2, "Die Kartennummer muss eine Zahl von 0 bis 9 sein"},
    };
    for (const auto &c : cases) {
        const test::CommandResult r = run(QStringList{"map", "print", "EDDF"} + c.arguments + QStringList{"--pdf", path("k.pdf")});
        EXPECT_TRUE(r.exitCode == c.exitCode && r.err.contains(c.message)) << r.exitCode << r.err.toStdString();
        EXPECT_EQ(test::readFile(path("k.pdf")), older);
    }
    sql("UPDATE MAPDATA SET Rotation = 1 WHERE Number = 4");
    ASSERT_TRUE(test::runKilledAt(dir.path(), {"map", "print", "EDDF", "4", "--pdf", path("k.pdf")}, "VOLMIRA_PRINT_PAUSE", "commit"));
    EXPECT_EQ(test::readFile(path("k.pdf")), older);

    test::FullDisk disk;
    if (!disk.mounted()) GTEST_SKIP() << test::FullDisk::skipReason().toStdString();
    ASSERT_TRUE(QFile::copy(path("k.pdf"), disk.filePath("k.pdf")));
    disk.fill();
    const test::CommandResult full = run({"map", "print", "EDDF", "4", "--pdf", disk.filePath("k.pdf")});
    EXPECT_EQ(full.exitCode, 3) << full.err.toStdString();
    EXPECT_EQ(test::readFile(disk.filePath("k.pdf")), older);
}
