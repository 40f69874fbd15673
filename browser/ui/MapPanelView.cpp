// The map page's display: loading a map off the UI thread, the zoom slider,
// panning, painting, and when the view goes into the map's row.
#include "browser/picture/NightPicture.h"
#include "browser/ui/MapCanvas.h"
#include "browser/ui/MapPanel.h"
#include "browser/ui/MapPdfView.h"
#include "editing/Entry.h"
#include "platform/Twips.h"

#include <QFutureWatcher>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>

namespace volmira::browser {

namespace {

const QString kLoading = QStringLiteral("Karte wird geladen …");

store::MapViewColumns columnsOf(const store::MapDataRow &row) {
    return {row.W1, row.H1, row.SX, row.SY, row.SW, row.SH, row.SlideMap};
}

// A stored scroll position; a damaged value is the page's top left.
int scrollOf(double stored) { return std::isfinite(stored) && stored > 0 && stored < 1e6 ? int(stored) : 0; }

}  // namespace

void MapPanel::dropPicture() {
    zoomSettled_.stop();
    // A decode under way or waiting is of no use any more.
    *newest_ = ++request_;
    loading_ = false;
    awaitingDraw_ = false;
    viewDirty_ = false;
    view_.clear();
    picMap->clearPicture();
    otherColours_ = {};
    picMap->showMessage({});
    setSlider(0);
    SlideMap->hide();
    cmdPrintMap->setEnabled(false);
    frmMapTools->hide();
}

void MapPanel::ShowMap(const MapSlot &slot) {
    dropPicture();
    acroMap->clear();
    acroMap->hide();
    picMap->show();
    if (slot.type == MapType::Pdf) {
        showPdf(slot);
        return;
    }
    loading_ = true;
    const int request = ++request_;
    *newest_ = request;
    loadingNight_ = night_;
    picMap->showMessage(kLoading);
    auto *watcher = new QFutureWatcher<LoadedMap>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, request, slot] {
        watcher->deleteLater();
        arrived(request, slot, watcher->result());
    });
    // Checked again on the worker: a request overtaken while it waited is not decoded.
    watcher->setFuture(QtConcurrent::run(&decoder_, [newest = newest_, request, path = slot.file.path,
                                                     type = slot.type, night = night_]() -> LoadedMap {
        if (newest->load() != request) return {};
        LoadedMap loaded = loadMap(path, type);
        // The night colours made once here, never per paint.
        if (night && loaded.picture) turnNightColours(loaded.picture->image);
        return loaded;
    }));
}

void MapPanel::showPdf(const MapSlot &slot) {
    const platform::Result<> loaded = acroMap->load(slot.file.path);
    if (!loaded) {
        dialogs_.inform(this, QStringLiteral("PDF Anzeigefehler"), loaded.error());
        emit mapSettled(false);
        return;
    }
    picMap->hide();
    acroMap->show();
    frmMapTools->show();
    // Charts of PDF files are not turned.
    cmdTurn->setEnabled(false);
    pdfStored_ = {slot.row.PdfPage, slot.row.PdfZoom, scrollOf(slot.row.SX), scrollOf(slot.row.SY)};
    restoringPdf_ = true;
    acroMap->restore(pdfStored_);
    restoringPdf_ = false;
    emit mapSettled(true);
}

std::optional<PdfPlace> MapPanel::pdfPlace() const {
    if (!pdfShown()) return std::nullopt;
    return acroMap->place();
}

void MapPanel::arrived(int request, const MapSlot &slot, const LoadedMap &loaded) {
    if (request != request_) return;
    loading_ = false;
    const QString &path = slot.file.path;
    if (!loaded.pixels) {
        if (loaded.pixels.error() == QLatin1String(kDamagedPictureMessage))
            dialogs_.inform(this, editing::kApplicationTitle.toString(), loaded.pixels.error());
        showFailure(path);
        return;
    }
    const std::optional<PixelSize> &pixels = *loaded.pixels;
    if (!loaded.picture || !pixels) {
        showFailure(path);
        return;
    }
    const QImage &picture = loaded.picture->image;
    if (!view_.start(picture.width(), picture.height(), pixels->width, pixels->height, picMap->width(),
                     picMap->height(), slot.row.Rotation)) {
        showFailure(path);
        return;
    }
    picMap->setPicture(picture);
    pictureNight_ = loadingNight_;
    SlideMap->show();
    frmMapTools->show();
    cmdTurn->setEnabled(true);
    // A map never viewed opens on its full width.
    if (!view_.restore(slot.row)) view_.zoom(kSliderMax);
    setSlider(view_.SlideMap);
    awaitingDraw_ = true;
    DrawMap();
    viewDirty_ = view_.columns() != columnsOf(slot.row) || view_.rotation() != slot.row.Rotation;
    flushView();
    // Shown in the night view's colours once they are made, if it was switched while the picture decoded.
    prepareOtherColours();
}

void MapPanel::showFailure(const QString &path) {
    view_.clear();
    picMap->clearPicture();
    picMap->showMessage(QStringLiteral("Die Karte kann nicht angezeigt werden: ") + path);
    emit mapSettled(false);
}

void MapPanel::setSlider(int value) {
    const QSignalBlocker programSets(SlideMap);
    SlideMap->setValue(value);
}

void MapPanel::userZoom(int value) {
    setSlider(value);
    if (!view_.ready()) return;
    view_.zoomAtCentre(SlideMap->value());
    viewChanged();
}

void MapPanel::sliderReleased(int x) {
    if (!view_.ready()) return;
    userZoom(sliderValueAt(platform::fromPixels(x).value));
}

void MapPanel::panStarted(QPointF at) {
    if (view_.ready()) view_.press(at.x(), at.y());
}

void MapPanel::panMoved(QPointF at) {
    if (!view_.ready()) return;
    view_.drag(at.x(), at.y());
    DrawMap();
    viewDirty_ = true;
}

void MapPanel::panEnded() { flushView(); }

void MapPanel::DrawMap() {
    if (view_.ready()) picMap->setView(view_.unturnedSource(), view_.destination(), view_.rotation());
}

void MapPanel::flushView() {
    zoomSettled_.stop();
    if (!viewDirty_ || icao_.isEmpty() || ActiveMap < 0) return;
    // A failed write stays pending without a message: the next one tries again.
    if (pdfShown()) {
        const PdfPlace place = acroMap->place();
        if (place == pdfStored_ ||
            store_.maps.savePdfView(icao_, ActiveMap, place.page, place.zoom, place.x, place.y)) {
            pdfStored_ = place;
            viewDirty_ = false;
        }
        return;
    }
    if (view_.ready() && store_.maps.saveTurnedView(icao_, ActiveMap, view_.columns(), view_.rotation()))
        viewDirty_ = false;
}

}  // namespace volmira::browser
