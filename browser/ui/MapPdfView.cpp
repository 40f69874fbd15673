#include "browser/ui/MapPdfView.h"

#include "browser/picture/NightPicture.h"
#include "platform/RegularFile.h"

#include <QGraphicsEffect>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace volmira::browser {

namespace {

// Why QPdfDocument refused the file, as the user reads it.
QString reason(QPdfDocument::Error error) {
    switch (error) {
    case QPdfDocument::Error::InvalidFileFormat:
        return QStringLiteral("die Datei ist kein gültiges PDF-Dokument");
    case QPdfDocument::Error::IncorrectPassword:
        return QStringLiteral("das Dokument ist durch ein Passwort geschützt");
    case QPdfDocument::Error::UnsupportedSecurityScheme:
        return QStringLiteral("die Verschlüsselung des Dokuments wird nicht unterstützt");
    case QPdfDocument::Error::DataNotYetAvailable:
        return QStringLiteral("die Datei konnte nicht vollständig gelesen werden");
    default:
        return QStringLiteral("unbekannter Fehler beim Lesen der Datei");
    }
}

// A notch of the wheel zooms by a tenth; no further than 1/10 to 10 times.
constexpr double kZoomStep = 1.1;
constexpr double kMinZoom = 0.1;
constexpr double kMaxZoom = 10.0;
// The page keys leave a tenth of the view in sight; an arrow moves a tenth.
constexpr double kPageOverlap = 0.9;
constexpr double kArrowPart = 0.1;

// The pages as the view paints them, turned to the night colours: only the
// view's size at each paint, the pages' renders cached by the view.
class NightEffect : public QGraphicsEffect {
protected:
    void draw(QPainter *painter) override {
        QPoint offset;
        QImage painted = sourcePixmap(Qt::DeviceCoordinates, &offset, QGraphicsEffect::NoPad).toImage();
        turnNightColours(painted);
        const QTransform kept = painter->worldTransform();
        painter->setWorldTransform(QTransform());
        painter->drawImage(offset, painted);
        painter->setWorldTransform(kept);
    }
};

}  // namespace

MapPdfView::MapPdfView(QWidget *parent) : QPdfView(parent) {
    setObjectName(QStringLiteral("acroMap"));
    document_ = new QPdfDocument(this);
    setDocument(document_);
    setPageMode(PageMode::SinglePage);
    for (QScrollBar *bar : {horizontalScrollBar(), verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, &MapPdfView::placeChanged);
}

// The document, closing as it goes, would tell the view after its viewport is
// gone; the scroll bars it resets would tell the map page, whose state is gone.
MapPdfView::~MapPdfView() {
    for (QScrollBar *bar : {horizontalScrollBar(), verticalScrollBar()}) bar->disconnect(this);
    setDocument(nullptr);
    delete document_;
}

platform::Result<> MapPdfView::load(const QString &path) {
    setZoomMode(ZoomMode::FitToWidth);
    clear();
    // Opened here, not by the document, whose open of a FIFO would hold the window.
    platform::Result<std::unique_ptr<QFile>> opened = platform::openRegularFile(path);
    if (!opened)
        return platform::Failure{QStringLiteral("Die PDF-Datei %1 kann nicht angezeigt werden: %2").arg(path, opened.error())};
    file_ = std::move(*opened);
    // A file's data is all there: the document is read before load returns.
    document_->load(file_.get());
    const QPdfDocument::Error error = document_->error();
    if (error == QPdfDocument::Error::None && document_->pageCount() > 0) {
        showPage(0);
        return {};
    }
    const QString why = error == QPdfDocument::Error::None ? QStringLiteral("das Dokument hat keine Seiten")
                                                           : reason(error);
    clear();
    return platform::Failure{QStringLiteral("Die PDF-Datei ") + path + QStringLiteral(" kann nicht angezeigt werden (") +
                             why + QStringLiteral(").")};
}

void MapPdfView::clear() {
    document_->close();
    file_.reset();
}

int MapPdfView::pageCount() const { return document_->pageCount(); }

int MapPdfView::currentPage() const { return pageNavigator()->currentPage(); }

void MapPdfView::showPage(int page) {
    if (pageCount() <= 0) return;
    pageNavigator()->jump(std::clamp(page, 0, pageCount() - 1), {}, 0);
    emit placeChanged();
}

PdfPlace MapPdfView::place() const {
    return {currentPage(), zoomMode() == ZoomMode::FitToWidth ? 0.0 : zoomFactor(), horizontalScrollBar()->value(),
            verticalScrollBar()->value()};
}

void MapPdfView::restore(const PdfPlace &place) {
    if (place.zoom > 0 && std::isfinite(place.zoom)) {
        setZoomMode(ZoomMode::Custom);
        setZoomFactor(std::clamp(place.zoom, kMinZoom, kMaxZoom));
    } else {
        setZoomMode(ZoomMode::FitToWidth);
    }
    showPage(place.page);
    horizontalScrollBar()->setValue(place.x);
    verticalScrollBar()->setValue(place.y);
}

double MapPdfView::shownZoom() const {
    if (zoomMode() != ZoomMode::FitToWidth || pageCount() <= 0) return zoomFactor();
    // Fitted, the view reckons its zoom from the page's width in points at the screen's resolution.
    const double page = document_->pagePointSize(currentPage()).width() * (logicalDpiX() / 72.0);
    const QMargins m = documentMargins();
    const double width = viewport()->width() - m.left() - m.right();
    return page > 0 && width > 0 ? width / page : zoomFactor();
}

void MapPdfView::zoomAround(double factor, QPointF at) {
    const double before = shownZoom();
    const double after = std::clamp(before * factor, kMinZoom, kMaxZoom);
    // The document point under `at`, in the view's pixels at zoom 1.
    const double x = (horizontalScrollBar()->value() + at.x()) / before;
    const double y = (verticalScrollBar()->value() + at.y()) / before;
    setZoomMode(ZoomMode::Custom);
    setZoomFactor(after);
    horizontalScrollBar()->setValue(qRound(x * after - at.x()));
    verticalScrollBar()->setValue(qRound(y * after - at.y()));
    emit placeChanged();
}

void MapPdfView::zoomBy(int steps) {
    zoomAround(std::pow(kZoomStep, steps), QPointF(viewport()->width() / 2.0, viewport()->height() / 2.0));
}

void MapPdfView::fitWidth() {
    setZoomMode(ZoomMode::FitToWidth);
    emit placeChanged();
}

void MapPdfView::fitPage() {
    if (pageCount() <= 0) return;
    // The page in points at the screen's resolution, inside the view's margins.
    const QSizeF page = document_->pagePointSize(currentPage()) * (logicalDpiY() / 72.0);
    const QMargins m = documentMargins();
    const double width = viewport()->width() - m.left() - m.right(), height = viewport()->height() - m.top() - m.bottom();
    if (page.isEmpty() || width <= 0 || height <= 0) return;
    setZoomMode(ZoomMode::Custom);
    setZoomFactor(std::clamp(std::min(width / page.width(), height / page.height()), kMinZoom, kMaxZoom));
    verticalScrollBar()->setValue(0);
    emit placeChanged();
}

void MapPdfView::pageStep(bool down) {
    QScrollBar *bar = verticalScrollBar();
    const int page = currentPage();
    if (down && bar->value() >= bar->maximum() && page + 1 < pageCount()) {
        showPage(page + 1);
        bar->setValue(0);
    } else if (!down && bar->value() <= bar->minimum() && page > 0) {
        showPage(page - 1);
        bar->setValue(bar->maximum());
    } else {
        const int step = qRound(viewport()->height() * kPageOverlap);
        bar->setValue(bar->value() + (down ? step : -step));
    }
}

void MapPdfView::scrollStep(int dx, int dy) {
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + qRound(dx * viewport()->width() * kArrowPart));
    verticalScrollBar()->setValue(verticalScrollBar()->value() + qRound(dy * viewport()->height() * kArrowPart));
}

void MapPdfView::toStart() {
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void MapPdfView::toEnd() {
    horizontalScrollBar()->setValue(horizontalScrollBar()->maximum());
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void MapPdfView::setNight(bool night) {
    if (night == (viewport()->graphicsEffect() != nullptr)) return;
    // The view takes the effect over and deletes the one it replaces.
    viewport()->setGraphicsEffect(night ? new NightEffect : nullptr);
}

void MapPdfView::wheelEvent(QWheelEvent *event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QPdfView::wheelEvent(event);
        return;
    }
    zoomAround(std::pow(kZoomStep, event->angleDelta().y() / 120.0), event->position());
    event->accept();
}

}  // namespace volmira::browser
