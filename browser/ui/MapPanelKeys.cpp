// The map page's view buttons and keys: the whole page, the width, quarter
// turns, the night view, zoom keys and moves, for a picture and a PDF alike.
#include "browser/NightSetting.h"
#include "browser/picture/NightPicture.h"
#include "browser/ui/MapCanvas.h"
#include "browser/ui/MapPanel.h"
#include "editing/Entry.h"
#include "platform/ui/Widgets.h"

#include <QDir>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QtConcurrent/QtConcurrentRun>

namespace volmira::browser {

using platform::named;

namespace {

// A zoom key moves the slider by its large step; an arrow a tenth of the view, a page key nearly a whole one.
constexpr int kZoomKeyStep = 5;
constexpr double kArrowPart = 0.1;
constexpr double kPagePart = 0.9;
// The button row's distance from the map's top right corner, in pixels (clear of a PDF's scroll bar).
constexpr int kToolsInset = 24;

const QString kMoveKeys = QStringLiteral(
    "Mausrad: Zoom an der Mausposition; + und −: Zoom um die Mitte; Pfeiltasten, Bild auf/ab, Pos1 und Ende: "
    "Ansicht verschieben; im PDF blättern Bild auf/ab am oberen oder unteren Seitenrand um.");

}  // namespace

// Over the map's top right corner, below the notice of an expired chart when it shows.
void MapPanel::placeTools() {
    const int top = lblExpired->isHidden() ? picMap->y() : lblExpired->geometry().bottom() + 1;
    frmMapTools->move(picMap->geometry().right() - frmMapTools->width() - kToolsInset, top + kToolsInset / 4);
}

void MapPanel::buildTools() {
    frmMapTools = named<QWidget>(this, QStringLiteral("frmMapTools"));
    auto *row = new QHBoxLayout(frmMapTools);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    const auto button = [this, row](const char *name, const char *text, const char *tip, void (MapPanel::*action)()) {
        auto *b = named<QPushButton>(frmMapTools, QString::fromLatin1(name));
        b->setText(QString::fromUtf8(text));
        b->setToolTip(QString::fromUtf8(tip));
        // The keys stay with the map.
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, action);
        row->addWidget(b);
        return b;
    };
    cmdFitPage = button("cmdFitPage", "Ganze Seite", "Die ganze Seite zeigen (G)", &MapPanel::fitPage);
    cmdFitWidth = button("cmdFitWidth", "Breite", "Die volle Breite zeigen (B)", &MapPanel::fitWidth);
    cmdTurn = button("cmdTurn", "Drehen", "Eine Vierteldrehung im Uhrzeigersinn, für diese Karte gespeichert (R)",
                     &MapPanel::turnMap);
    cmdNight = button("cmdNight", "Nacht",
                      "Nachtansicht: Hell und Dunkel getauscht, die Farbtöne bleiben; für alle Karten (N)",
                      &MapPanel::toggleNight);
    cmdNight->setCheckable(true);
    cmdNight->setChecked(night_);
    cmdPrintMap = button("cmdPrintMap", "Drucken", "Karte drucken: was zu sehen ist oder die ganze Seite, auf Papier "
                         "oder als PDF-Datei", &MapPanel::cmdPrintMap_Click);
    cmdPrintMap->setAccessibleName(QStringLiteral("Karte drucken"));
    cmdPrintMap->setEnabled(false);
    connect(this, &MapPanel::mapSettled, cmdPrintMap, &QPushButton::setEnabled);
    frmMapTools->adjustSize();
    placeTools();
    frmMapTools->hide();
    picMap->setToolTip(kMoveKeys);
    acroMap->setToolTip(kMoveKeys);

    addKey(QKeySequence(Qt::Key_G), [this] { fitPage(); });
    addKey(QKeySequence(Qt::Key_B), [this] { fitWidth(); });
    addKey(QKeySequence(Qt::Key_R), [this] { turnMap(); });
    addKey(QKeySequence(Qt::Key_N), [this] { toggleNight(); });
    addKey(QKeySequence(Qt::Key_Plus), [this] { zoomKey(1); });
    addKey(QKeySequence(Qt::Key_Minus), [this] { zoomKey(-1); });
    addKey(QKeySequence(Qt::Key_PageUp), [this] { pageKey(false); });
    addKey(QKeySequence(Qt::Key_PageDown), [this] { pageKey(true); });
    addKey(QKeySequence(Qt::Key_Left), [this] { moveBy(-1, 0); });
    addKey(QKeySequence(Qt::Key_Right), [this] { moveBy(1, 0); });
    addKey(QKeySequence(Qt::Key_Up), [this] { moveBy(0, -1); });
    addKey(QKeySequence(Qt::Key_Down), [this] { moveBy(0, 1); });
    addKey(QKeySequence(Qt::Key_Home), [this] { toCorner(false); });
    addKey(QKeySequence(Qt::Key_End), [this] { toCorner(true); });
}

void MapPanel::addKey(const QKeySequence &key, const std::function<void()> &action) {
    auto *shortcut = new QShortcut(key, this);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, action);
}

bool MapPanel::pdfShown() const { return !acroMap->isHidden() && acroMap->pageCount() > 0; }

void MapPanel::viewChanged() {
    setSlider(view_.SlideMap);
    DrawMap();
    viewDirty_ = true;
    // Stored once the user pauses, not at every step.
    zoomSettled_.start();
}

void MapPanel::fitPage() {
    if (pdfShown()) return acroMap->fitPage();
    if (!view_.ready()) return;
    view_.fitPage();
    viewChanged();
}

void MapPanel::fitWidth() {
    if (pdfShown()) return acroMap->fitWidth();
    if (!view_.ready()) return;
    view_.fitWidth();
    viewChanged();
}

void MapPanel::turnMap() {
    if (!view_.ready()) return;
    view_.turn();
    viewChanged();
}

void MapPanel::zoomKey(int steps) {
    if (pdfShown()) return acroMap->zoomBy(steps);
    if (!view_.ready()) return;
    view_.zoomAtCentre(SlideMap->value() + kZoomKeyStep * steps);
    viewChanged();
}

void MapPanel::pageKey(bool down) {
    if (pdfShown()) return acroMap->pageStep(down);
    if (!view_.ready()) return;
    view_.move(0, down ? kPagePart : -kPagePart);
    viewChanged();
}

void MapPanel::moveBy(int dx, int dy) {
    if (pdfShown()) return acroMap->scrollStep(dx, dy);
    if (!view_.ready()) return;
    view_.move(dx * kArrowPart, dy * kArrowPart);
    viewChanged();
}

void MapPanel::toCorner(bool end) {
    if (pdfShown()) return end ? acroMap->toEnd() : acroMap->toStart();
    if (!view_.ready()) return;
    if (end)
        view_.toEnd();
    else
        view_.toStart();
    viewChanged();
}

void MapPanel::toggleNight() {
    night_ = !night_;
    cmdNight->setChecked(night_);
    acroMap->setNight(night_);
    matchNight();
    // The setting stays for the next run; a file that cannot be written is said.
    if (const platform::Result<> kept = writeNightView(QDir(dataFolder_).filePath(kNightFileName), night_); !kept)
        dialogs_.inform(this, editing::kApplicationTitle.toString(), kept.error());
}

void MapPanel::matchNight() {
    if (pictureNight_ == night_ || !picMap->hasPicture()) return;
    // Not made yet: done when it is.
    if (otherColours_.isNull()) return prepareOtherColours();
    QImage shown = picMap->picture();
    picMap->setPicture(otherColours_);
    otherColours_ = std::move(shown);
    pictureNight_ = !pictureNight_;
    DrawMap();
}

void MapPanel::prepareOtherColours() {
    if (turningNight_ || !picMap->hasPicture()) return;
    turningNight_ = true;
    auto *watcher = new QFutureWatcher<QImage>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, request = request_] {
        watcher->deleteLater();
        turningNight_ = false;
        // Made for a picture dropped meanwhile: the one now shown gets its own.
        if (request != request_) return prepareOtherColours();
        otherColours_ = watcher->result();
        matchNight();
    });
    watcher->setFuture(QtConcurrent::run(&decoder_, [picture = picMap->picture(), newest = newest_, request = request_]() mutable {
        if (newest->load() != request) return QImage();
        turnNightColours(picture);
        return picture;
    }));
}

}  // namespace volmira::browser
