#pragma once

#include "browser/MapPath.h"
#include "browser/MapPrintLayout.h"
#include "platform/Result.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>

#include <optional>

class QPagedPaintDevice;

// Printing a chart: a picture's visible part or whole page, or a PDF chart's
// page, turned as the viewer shows it and scaled to the paper. Night view is
// for the screen only: the paper gets the chart's own colours.
namespace volmira::browser {

// The chart's pixels per inch on paper: enough for the finest print of a
// chart, and it bounds what a huge picture costs to the paper's size.
inline constexpr double kChartPrintDpi = 300;

struct ChartPrintJob {
    QString path;
    MapType type = MapType::Jpeg;
    int rotation = 0;            // quarter turns clockwise, 0 to 3
    std::optional<QRectF> view;  // a picture's visible part, in the kept picture's pixels; nothing: the whole picture
    int pdfPage = 0;             // a PDF's page, from 0
    Paper paper = Paper::A5;
    PrintOrientation orientation = PrintOrientation::Automatic;
};

// The chart decoded for the paper and where it goes.
struct PreparedChart {
    QImage image;  // not turned
    int rotation = 0;
    ChartPlacement placement;
    Paper paper = Paper::A5;
};

// Reads and decodes the chart at kChartPrintDpi for its place on the paper; a
// German failure when the file cannot be read or the page does not exist.
// `pages`, when given, receives a PDF chart's page count once it is loaded, so
// that a caller can tell a page the chart lacks from a file it cannot read.
[[nodiscard]] platform::Result<PreparedChart> prepareChart(const ChartPrintJob &job, int *pages = nullptr);

// Sets the device's page (paper, orientation, no margins) and paints the chart
// as one page. A printer must be in full-page mode, so that the page's corner
// is the origin.
[[nodiscard]] platform::Result<> paintChart(QPagedPaintDevice &device, const PreparedChart &chart);

// The chart as a PDF document of one page.
[[nodiscard]] platform::Result<QByteArray> chartPdf(const PreparedChart &chart);
// The PDF written to the file atomically: a failed or broken-off write leaves an older file as it was.
[[nodiscard]] platform::Result<> writeChartPdf(const PreparedChart &chart, const QString &path);

}  // namespace volmira::browser
