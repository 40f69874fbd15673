#include "browser/MapPrintLayout.h"

#include <cmath>

namespace volmira::browser {

QSizeF paperSizeMm(Paper paper) {
    switch (paper) {
    case Paper::A5: return {148, 210};
    case Paper::Letter: return {215.9, 279.4};
    case Paper::A4: break;
    }
    return {210, 297};
}

QSizeF turnedSize(QSizeF size, int quarterTurns) { return quarterTurns % 2 != 0 ? size.transposed() : size; }

ChartPlacement placeChart(QSizeF chart, int quarterTurns, Paper paper, PrintOrientation orientation) {
    const QSizeF turned = turnedSize(chart, quarterTurns);
    ChartPlacement placed;
    placed.landscape = orientation == PrintOrientation::Automatic ? turned.width() > turned.height()
                                                                   : orientation == PrintOrientation::Landscape;
    placed.page = placed.landscape ? paperSizeMm(paper).transposed() : paperSizeMm(paper);
    const QRectF area(kPrintMarginMm, kPrintMarginMm, placed.page.width() - 2 * kPrintMarginMm,
                      placed.page.height() - 2 * kPrintMarginMm);
    if (turned.isEmpty()) return placed;
    const QSizeF fitted = turned.scaled(area.size(), Qt::KeepAspectRatio);
    placed.target = QRectF(QPointF(), fitted);
    placed.target.moveCenter(area.center());
    return placed;
}

std::optional<QRectF> visiblePart(const QRectF &view, QSizeF fileSize, int shrink) {
    for (double v : {view.x(), view.y(), view.width(), view.height()})
        if (!std::isfinite(v)) return std::nullopt;
    if (view.width() <= 0 || view.height() <= 0) return std::nullopt;
    const QRectF inFile(view.topLeft() * shrink, view.size() * shrink);
    const QRectF cut = inFile & QRectF(QPointF(), fileSize);
    if (cut.isEmpty()) return std::nullopt;
    return cut;
}

}  // namespace volmira::browser
