#include "browser/print/MapPrint.h"

#include "browser/MapHeader.h"
#include "browser/picture/MapPicture.h"
#include "platform/AtomicFile.h"
#include "platform/TestPause.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QPageLayout>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>

#include <cmath>

namespace volmira::browser {

using platform::Failure;
using platform::Result;

namespace {

constexpr double kMmPerInch = 25.4;

QString unreadable(const QString &path) {
    return QStringLiteral("Die Karte „%1“ kann nicht gelesen werden.").arg(QFileInfo(path).fileName());
}

// The pixels the chart takes on paper at the print resolution, before it is turned.
QSize printPixels(const ChartPlacement &placed, int rotation) {
    const QSizeF dots = placed.target.size() * (kChartPrintDpi / kMmPerInch);
    return turnedSize(dots, rotation).toSize().expandedTo(QSize(1, 1));
}

Result<PreparedChart> preparePicture(const ChartPrintJob &job, PreparedChart chart) {
    const Result<std::unique_ptr<QFile>> opened = openMapFile(job.path);
    if (!opened) return Failure{opened.error()};
    QFile &file = **opened;
    const QSize size = QImageReader(&file).size();
    if (size.isEmpty() || !file.seek(0)) return Failure{unreadable(job.path)};
    const QRectF whole(0, 0, size.width(), size.height());
    QRectF part = whole;
    if (job.view)
        if (const std::optional<QRectF> visible =
                visiblePart(*job.view, whole.size(), keptShrink({size.width(), size.height()})))
            part = *visible;
    chart.placement = placeChart(part.size(), job.rotation, job.paper, job.orientation);
    // Never more pixels than the part holds: the painter enlarges a small picture.
    const QSize wanted = part.size().toSize().boundedTo(part.size().scaled(printPixels(chart.placement, job.rotation),
                                                                           Qt::KeepAspectRatio).toSize());
    Result<QImage> image = decodeMapPart(file, part.toAlignedRect() & whole.toRect(), wanted.expandedTo(QSize(1, 1)));
    if (!image) return Failure{unreadable(job.path)};
    chart.image = std::move(*image);
    return chart;
}

// The PDF chart loaded, with at least one page.
Result<> loadPdf(QPdfDocument &document, const QString &path) {
    // Through the map file's own check first: a FIFO or device would stall the load.
    if (const Result<std::unique_ptr<QFile>> opened = openMapFile(path); !opened) return Failure{opened.error()};
    if (document.load(path) != QPdfDocument::Error::None || document.pageCount() < 1) return Failure{unreadable(path)};
    return {};
}

QString missingPageMessage(const QString &path, int page, int count) {
    return QStringLiteral("Die Karte „%1“ hat keine Seite %2, nur %3.").arg(QFileInfo(path).fileName()).arg(page + 1).arg(count);
}

Result<PreparedChart> preparePdf(const ChartPrintJob &job, PreparedChart chart, int *pages) {
    QPdfDocument document;
    if (Result<> loaded = loadPdf(document, job.path); !loaded) return Failure{loaded.error()};
    if (pages) *pages = document.pageCount();
    if (job.pdfPage < 0 || job.pdfPage >= document.pageCount())
        return Failure{missingPageMessage(job.path, job.pdfPage, document.pageCount())};
    chart.placement = placeChart(document.pagePointSize(job.pdfPage), job.rotation, job.paper, job.orientation);
    chart.image = document.render(job.pdfPage, printPixels(chart.placement, job.rotation));
    if (chart.image.isNull()) return Failure{unreadable(job.path)};
    return chart;
}

QPageSize::PageSizeId pageSizeId(Paper paper) {
    switch (paper) {
    case Paper::A5: return QPageSize::A5;
    case Paper::Letter: return QPageSize::Letter;
    case Paper::A4: break;
    }
    return QPageSize::A4;
}

}  // namespace

Result<PreparedChart> prepareChart(const ChartPrintJob &job, int *pages) {
    PreparedChart chart;
    chart.rotation = ((job.rotation % 4) + 4) % 4;
    chart.paper = job.paper;
    ChartPrintJob turned = job;
    turned.rotation = chart.rotation;
    return job.type == MapType::Pdf ? preparePdf(turned, std::move(chart), pages)
                                    : preparePicture(turned, std::move(chart));
}

Result<> paintChart(QPagedPaintDevice &device, const PreparedChart &chart) {
    const Failure failed{QStringLiteral("Die Karte kann nicht gedruckt werden.")};
    const QPageLayout layout(QPageSize(pageSizeId(chart.paper)),
                             chart.placement.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
    if (!device.setPageLayout(layout)) return failed;
    QPainter painter;
    if (!painter.begin(&device)) return failed;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double dotsPerMm = device.logicalDpiX() / kMmPerInch;
    const QRectF target(chart.placement.target.topLeft() * dotsPerMm, chart.placement.target.size() * dotsPerMm);
    // The chart is turned about its centre into the place the layout gave it.
    painter.translate(target.center());
    painter.rotate(90.0 * chart.rotation);
    const QSizeF unturned = turnedSize(target.size(), chart.rotation);
    painter.drawImage(QRectF(QPointF(-unturned.width() / 2, -unturned.height() / 2), unturned), chart.image);
    if (!painter.end()) return failed;
    return {};
}

Result<QByteArray> chartPdf(const PreparedChart &chart) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(int(kChartPrintDpi));
        writer.setCreator(QStringLiteral("Volmira APT"));
        if (Result<> painted = paintChart(writer, chart); !painted) return Failure{painted.error()};
    }
    return bytes;
}

Result<> writeChartPdf(const PreparedChart &chart, const QString &path) {
    const Result<QByteArray> bytes = chartPdf(chart);
    if (!bytes) return Failure{bytes.error()};
    platform::AtomicFile file(path);
    if (Result<> opened = file.open(); !opened) return opened;
    file.write(*bytes);
    // The whole document is in the temporary file, an older file still in place.
    platform::pauseForTest("VOLMIRA_PRINT_PAUSE", "Kartendruck", "commit");
    return file.commit();
}

}  // namespace volmira::browser
