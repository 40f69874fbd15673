// The map page's buttons: ten slots, each a button with its caption laid on it
// and a marker beside it, and what a click on them does.
#include "browser/ui/MapPanel.h"

#include "browser/NightSetting.h"
#include "browser/ui/MapCanvas.h"
#include "browser/ui/MapPdfView.h"
#include "browser/ui/frmKarte.h"
#include "platform/ui/Widgets.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace volmira::browser {

using platform::named;
using platform::setTwips;

namespace {

const QString kDataErrorTitle = QStringLiteral("Datenfehler");

// Slots from the top, each a button with the marker left of it.
constexpr int kSlotTop = 120;
constexpr int kSlotPitch = 660;
constexpr int kMarkerLeft = 90;
constexpr int kButtonLeft = 360;
constexpr int kButtonWidth = 2160;
constexpr int kButtonHeight = 600;

// A button whose caption is the label laid on it: text() holds the name, the
// label wraps it, so that it shows once.
class MapButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
    }
};

bool isEnter(const QKeyEvent *key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

bool sliderKey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

}  // namespace

MapPanel::MapPanel(store::AirportStore &store, platform::Dialogs &dialogs, const QString &dataFolder,
                   QWidget *parent)
    : QFrame(parent), store_(store), dialogs_(dialogs), dataFolder_(dataFolder) {
    setObjectName(QStringLiteral("frmMap"));
    setFrameShape(QFrame::StyledPanel);
    decoder_.setMaxThreadCount(1);
    zoomSettled_.setSingleShot(true);
    zoomSettled_.setInterval(300);
    connect(&zoomSettled_, &QTimer::timeout, this, &MapPanel::flushView);
    night_ = readNightView(QDir(dataFolder_).filePath(kNightFileName));
    buildSlots();
    buildDisplay();
    buildExpiryLabel();
    buildTools();
}

void MapPanel::buildSlots() {
    for (int i = 0; i < int(slots_.size()); ++i) {
        Slot &slot = slots_[i];
        const int top = kSlotTop + i * kSlotPitch;
        slot.cmdMap = new MapButton(this);
        slot.cmdMap->setObjectName(QStringLiteral("cmdMap(%1)").arg(i));
        setTwips(slot.cmdMap, kButtonLeft, top, kButtonWidth, kButtonHeight);
        connect(slot.cmdMap, &QPushButton::clicked, this, [this, i] { cmdMap_Click(i); });

        slot.lblMapButton = named<QLabel>(this, QStringLiteral("lblMapButton(%1)").arg(i));
        slot.lblMapButton->setWordWrap(true);
        slot.lblMapButton->setAlignment(Qt::AlignCenter);
        // Clicks reach the button under it.
        slot.lblMapButton->setAttribute(Qt::WA_TransparentForMouseEvents);
        setTwips(slot.lblMapButton, kButtonLeft + 60, top + 30, kButtonWidth - 120, kButtonHeight - 60);

        slot.picMapButton = named<QLabel>(this, QStringLiteral("picMapButton(%1)").arg(i));
        slot.picMapButton->setText(QStringLiteral("▶"));
        slot.picMapButton->setAlignment(Qt::AlignCenter);
        QPalette marker = slot.picMapButton->palette();
        marker.setColor(QPalette::WindowText, QColor(200, 0, 0));
        slot.picMapButton->setPalette(marker);
        setTwips(slot.picMapButton, kMarkerLeft, top + 150, 240, 300);
        slot.picMapButton->hide();

        for (QWidget *widget : {static_cast<QWidget *>(slot.cmdMap), static_cast<QWidget *>(slot.picMapButton)})
            widget->installEventFilter(this);
    }
}

void MapPanel::buildDisplay() {
    picMap = new MapCanvas(this);
    setTwips(picMap, 2640, 120, 12255, 5985);
    connect(picMap, &MapCanvas::panStarted, this, &MapPanel::panStarted);
    connect(picMap, &MapCanvas::panMoved, this, &MapPanel::panMoved);
    connect(picMap, &MapCanvas::panEnded, this, &MapPanel::panEnded);
    connect(picMap, &MapCanvas::drawn, this, [this] {
        if (!awaitingDraw_) return;
        awaitingDraw_ = false;
        emit mapSettled(true);
    });
    connect(picMap, &MapCanvas::wheelSteps, this, [this](int steps, QPointF at) {
        if (!view_.ready()) return;
        // Away from the user magnifies: a smaller part of the picture, the point under the mouse kept.
        view_.zoomAt(SlideMap->value() - 5 * steps, at.x(), at.y());
        viewChanged();
    });

    SlideMap = named<QSlider>(this, QStringLiteral("SlideMap"));
    SlideMap->setOrientation(Qt::Horizontal);
    SlideMap->setRange(-100, 100);
    SlideMap->setSingleStep(1);
    SlideMap->setPageStep(5);
    // Centred under the picture; its width is what the click formula reckons with.
    setTwips(SlideMap, 2640 + (12255 - 11100) / 2, 6165, 11100, 450);
    SlideMap->hide();
    // Values the program sets come with the signals blocked: this runs for the user only.
    connect(SlideMap, &QSlider::valueChanged, this, &MapPanel::userZoom);
    SlideMap->installEventFilter(this);

    acroMap = new MapPdfView(this);
    setTwips(acroMap, 2640, 120, 12255, 6495);
    acroMap->setNight(night_);
    acroMap->hide();
    connect(acroMap, &MapPdfView::placeChanged, this, [this] {
        if (restoringPdf_ || !pdfShown()) return;
        viewDirty_ = true;
        zoomSettled_.start();
    });
}

MapPanel::~MapPanel() {
    // A decode still running finishes before the window's state goes.
    ++*newest_;
    decoder_.waitForDone();
}

bool MapPanel::slotLinked(int index) const {
    return index >= 0 && index < int(slots_.size()) && !slots_[index].MapFile.isEmpty();
}

void MapPanel::emptySlot(Slot &slot) {
    markExpiry(slot, nullptr);
    slot.cmdMap->setText({});
    slot.lblMapButton->clear();
    slot.picMapButton->hide();
    slot.MapFile.clear();
    slot.MapFolder.clear();
}

void MapPanel::unlinked(int index) {
    emptySlot(slots_[index]);
    if (index != ActiveMap) return;
    ActiveMap = -1;
    showExpiry(nullptr);
    dropPicture();
    acroMap->clear();
    acroMap->hide();
    picMap->show();
}

void MapPanel::showMarker(int index) {
    for (int i = 0; i < int(slots_.size()); ++i) slots_[i].picMapButton->setVisible(i == index);
}

void MapPanel::clear() {
    flushView();
    for (Slot &slot : slots_) emptySlot(slot);
    showExpiry(nullptr);
    dropPicture();
    acroMap->clear();
    acroMap->hide();
    picMap->show();
    icao_.clear();
    ActiveMap = -1;
}

void MapPanel::MapButtons(QString icao) {
    if (const std::optional<MapSlot> active = fillButtons(std::move(icao))) {
        showExpiry(&*active);
        ShowMap(*active);
    }
}

std::optional<MapSlot> MapPanel::fillButtons(QString icao) {
    clear();
    icao_ = std::move(icao);
    platform::Result<std::vector<MapSlot>> links = readMapSlots(store_.maps, icao_, dataFolder_);
    if (!links) {
        dialogs_.inform(this, kDataErrorTitle, links.error());
        return std::nullopt;
    }
    std::optional<MapSlot> active;
    for (MapSlot &link : *links) {
        Slot &slot = slots_[link.row.Number];
        slot.cmdMap->setText(link.row.Name);
        slot.lblMapButton->setText(link.row.Name);
        slot.MapFile = link.file.path;
        slot.MapFolder = link.folder.path;
        markExpiry(slot, &link.row);
        // Of several rows marked active the highest slot is shown, the others never loaded.
        if (link.row.Active) active = std::move(link);
    }
    if (!active) return std::nullopt;
    ActiveMap = active->row.Number;
    showMarker(ActiveMap);
    return active;
}

void MapPanel::rememberMapFolder() {
    LastMapFolder.clear();
    for (const Slot &slot : slots_)
        if (!slot.MapFolder.isEmpty()) {
            LastMapFolder = slot.MapFolder;
            break;
        }
}

void MapPanel::cmdMap_Click(int index) {
    rememberMapFolder();
    if (slots_[index].cmdMap->text().isEmpty()) {
        openLink(index);
        return;
    }
    // The view of the map shown goes into its own row before another is shown.
    flushView();
    platform::Result<std::vector<MapSlot>> links = readMapSlots(store_.maps, icao_, dataFolder_);
    if (!links) {
        dialogs_.inform(this, kDataErrorTitle, links.error());
        return;
    }
    const auto link =
        std::find_if(links->begin(), links->end(), [index](const MapSlot &l) { return l.row.Number == index; });
    if (link == links->end()) return;
    ActiveMap = index;
    showMarker(index);
    showExpiry(&*link);
    ShowMap(*link);
    storeActive(index);
}

void MapPanel::storeActive(int index) {
    const platform::Result<bool> marked = store_.maps.activate(icao_, index);
    if (marked) {
        storeFailureTold_ = false;
        return;
    }
    // Each click on a locked or read-only file would say the same again.
    if (storeFailureTold_) return;
    storeFailureTold_ = true;
    dialogs_.inform(this, kDataErrorTitle, marked.error());
}

void MapPanel::openLink(int index) {
    if (icao_.isEmpty()) return;
    flushView();
    switch (frmKarte::editLink(store_, dialogs_, dataFolder_, icao_, index, LastMapFolder, window())) {
    case LinkChange::Saved:
        (void)fillButtons(icao_);
        cmdMap_Click(index);
        break;
    case LinkChange::Deleted:
        unlinked(index);
        break;
    case LinkChange::None:
        break;
    }
}

bool MapPanel::eventFilter(QObject *watched, QEvent *event) {
    if (watched == SlideMap) {
        // The slider keeps its own keys; the map page's moves are for the map.
        if (event->type() == QEvent::ShortcutOverride && sliderKey(static_cast<QKeyEvent *>(event)->key())) {
            event->accept();
            return true;
        }
        // A click sets the value by where it lands, after the slider's own
        // handling of it. A drag of the handle keeps the value dragged to: the
        // handle's centre never reaches the slider's ends, so its place would
        // never give the full width.
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && !SlideMap->isSliderDown())
            QMetaObject::invokeMethod(
                this, [this, x = qRound(static_cast<QMouseEvent *>(event)->position().x())] { sliderReleased(x); },
                Qt::QueuedConnection);
        return QFrame::eventFilter(watched, event);
    }
    for (int i = 0; i < int(slots_.size()); ++i) {
        if (watched != slots_[i].cmdMap && watched != slots_[i].picMapButton) continue;
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
            // A new link starts in this airport's folder, never in one of the airport before.
            rememberMapFolder();
            openLink(i);
            return true;
        }
        // Enter clicks the focused button.
        if (event->type() == QEvent::KeyPress && watched == slots_[i].cmdMap &&
            isEnter(static_cast<QKeyEvent *>(event))) {
            slots_[i].cmdMap->click();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace volmira::browser
