// The map page's display: loading a map off the UI thread, the zoom slider,
// panning, painting, and when the view goes into the map's row.
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

namespace volmira::browser {

namespace {

const QString kLoading = QStringLiteral("Karte wird geladen …");

store::MapViewColumns columnsOf(const store::MapDataRow &row) {
    return {row.W1, row.H1, row.SX, row.SY, row.SW, row.SH, row.SlideMap};
}

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
    picMap->showMessage({});
    setSlider(0);
    SlideMap->hide();
    cmdPrintMap->setEnabled(false);
}

void MapPanel::ShowMap(const MapSlot &slot) {
    dropPicture();
    acroMap->clear();
    acroMap->hide();
    picMap->show();
    if (slot.type == MapType::Pdf) {
        showPdf(slot.file.path);
        return;
    }
    loading_ = true;
    const int request = ++request_;
    *newest_ = request;
    picMap->showMessage(kLoading);
    auto *watcher = new QFutureWatcher<LoadedMap>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, request, slot] {
        watcher->deleteLater();
        arrived(request, slot, watcher->result());
    });
    // Checked again on the worker: a request overtaken while it waited is not decoded.
    watcher->setFuture(QtConcurrent::run(&decoder_, [newest = newest_, request, path = slot.file.path,
                                                     type = slot.type]() -> LoadedMap {
        if (newest->load() != request) return {};
        return loadMap(path, type);
    }));
}

void MapPanel::showPdf(const QString &path) {
    const platform::Result<> loaded = acroMap->load(path);
    if (!loaded) {
        dialogs_.inform(this, QStringLiteral("PDF Anzeigefehler"), loaded.error());
        emit mapSettled(false);
        return;
    }
    picMap->hide();
    acroMap->show();
    emit mapSettled(true);
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
                     picMap->height())) {
        showFailure(path);
        return;
    }
    picMap->setPicture(picture);
    SlideMap->show();
    // A map never viewed opens on its full width.
    if (!view_.restore(slot.row)) view_.SlideMap = kSliderMax;
    setSlider(view_.SlideMap);
    view_.zoom(view_.SlideMap);
    awaitingDraw_ = true;
    DrawMap();
    viewDirty_ = view_.columns() != columnsOf(slot.row);
    flushView();
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
    view_.zoom(SlideMap->value());
    DrawMap();
    viewDirty_ = true;
    // Stored once the user pauses, not at every step.
    zoomSettled_.start();
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
    if (view_.ready()) picMap->setView(view_.source(), view_.destination());
}

void MapPanel::flushView() {
    zoomSettled_.stop();
    if (!viewDirty_ || !view_.ready() || icao_.isEmpty() || ActiveMap < 0) return;
    // A failed write stays pending without a message: the next one tries again.
    if (store_.maps.saveView(icao_, ActiveMap, view_.columns())) viewDirty_ = false;
}

}  // namespace volmira::browser
