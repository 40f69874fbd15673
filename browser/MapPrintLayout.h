#pragma once

#include <QRectF>
#include <QSizeF>

#include <optional>

// Where a printed chart lies on the paper: the paper's size, the page's
// orientation and the rectangle the turned chart fills, scaled to fit inside
// the margins with its proportions kept and centred. Plain arithmetic in
// millimetres, no painting.
namespace volmira::browser {

// A5 is the kneeboard's size.
enum class Paper { A4, A5, Letter };
enum class PrintOrientation { Automatic, Portrait, Landscape };

// Every printer reaches this close to the paper's edge.
inline constexpr double kPrintMarginMm = 10;

// The paper standing upright, in millimetres.
[[nodiscard]] QSizeF paperSizeMm(Paper paper);
// The size after `quarterTurns` quarter turns clockwise: an odd number swaps the sides.
[[nodiscard]] QSizeF turnedSize(QSizeF size, int quarterTurns);

struct ChartPlacement {
    bool landscape = false;
    QSizeF page;    // the paper as it lies, in millimetres
    QRectF target;  // the turned chart on it, from the paper's top-left corner
};

// The automatic orientation lies the paper across when the turned chart is wider than tall.
[[nodiscard]] ChartPlacement placeChart(QSizeF chart, int quarterTurns, Paper paper,
                                        PrintOrientation orientation = PrintOrientation::Automatic);

// The part of a picture of fileSize pixels that a view (SX, SY, SW, SH)
// shows, in the file's pixels (the view counts the kept picture's, `shrink` of
// the file's along each side), cut to the picture; nothing when there is no
// view (SW or SH 0) or it lies outside the picture.
[[nodiscard]] std::optional<QRectF> visiblePart(const QRectF &view, QSizeF fileSize, int shrink);

}  // namespace volmira::browser
