#include "browser/ui/MapPdfView.h"

#include "platform/RegularFile.h"

#include <QPdfDocument>
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

}  // namespace

MapPdfView::MapPdfView(QWidget *parent) : QPdfView(parent) {
    setObjectName(QStringLiteral("acroMap"));
    document_ = new QPdfDocument(this);
    setDocument(document_);
    setPageMode(PageMode::MultiPage);
}

// The document, closing as it goes, would tell the view after its viewport is gone.
MapPdfView::~MapPdfView() {
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
    if (error == QPdfDocument::Error::None && document_->pageCount() > 0) return {};
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

void MapPdfView::wheelEvent(QWheelEvent *event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QPdfView::wheelEvent(event);
        return;
    }
    const double notches = event->angleDelta().y() / 120.0;
    const double factor = std::clamp(zoomFactor() * std::pow(kZoomStep, notches), kMinZoom, kMaxZoom);
    setZoomMode(ZoomMode::Custom);
    setZoomFactor(factor);
    event->accept();
}

}  // namespace volmira::browser
