#pragma once

#include "browser/MapLinks.h"
#include "browser/MapView.h"
#include "browser/picture/MapPicture.h"
#include "platform/Dialogs.h"
#include "store/AirportStore.h"

#include <QFrame>
#include <QImage>
#include <QThreadPool>
#include <QTimer>

#include <array>
#include <atomic>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class QSlider;

namespace volmira::browser {

class MapCanvas;
class MapPdfView;

// frmMap, the map page of the airport window: ten map buttons, the picture with
// its zoom slider, or a PDF chart. Pictures decode on a worker thread; the view
// of the map shown is stored in its row when the user has settled it.
class MapPanel : public QFrame {
    Q_OBJECT

public:
    MapPanel(store::AirportStore &store, platform::Dialogs &dialogs, const QString &dataFolder,
             QWidget *parent = nullptr);
    ~MapPanel() override;

    // Fills the ten buttons with the links of the airport and shows its active
    // map. The code by value: the refill empties the panel's own code first.
    void MapButtons(QString icao);
    // Empties the buttons and the page: no airport is shown.
    void clear();
    // Shows the map of the slot, or opens the linking dialog for a free one.
    void cmdMap_Click(int index);
    // Writes the view of the map shown when it changed since its last write.
    void flushView();

    [[nodiscard]] bool slotLinked(int index) const;
    [[nodiscard]] const QString &lastMapFolder() const { return LastMapFolder; }
    // True while a picture decodes.
    [[nodiscard]] bool loading() const { return loading_; }

signals:
    // The map asked for is on the screen (drawn or rendered), or could not be shown.
    void mapSettled(bool shown);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // MapPanelDrop.cpp: a file dropped on a button links it to that slot, on
    // the page to the first free one.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    struct Slot {
        QPushButton *cmdMap = nullptr;
        QLabel *lblMapButton = nullptr;
        QLabel *picMapButton = nullptr;
        QString MapFile;    // the file as found; empty for a free slot
        QString MapFolder;  // its folder as found
    };

    void buildSlots();
    void buildDisplay();
    // MapButtons without showing a map: the active slot's link, if any.
    [[nodiscard]] std::optional<MapSlot> fillButtons(QString icao);
    void emptySlot(Slot &slot);
    // The linking dialog removed the slot's link: the slot empties, and the
    // page when it showed that map; the other slots stay as they are.
    void unlinked(int index);
    // LastMapFolder: the lowest slot's folder of the airport shown, or none.
    void rememberMapFolder();
    // The slot's Active flag, stored after its map is shown: a database that
    // cannot be written keeps no map off the screen.
    void storeActive(int index);
    void showMarker(int index);
    void openLink(int index);

    // MapPanelDrop.cpp: dropped files and expired charts.
    void buildExpiryLabel();
    void linkDropped(const QString &path, int onButton);
    // The slot's button in red with the day in its tooltip when its chart has
    // expired; as usual otherwise.
    void markExpiry(Slot &slot, const store::MapDataRow *link);
    // The page's notice above a map whose chart has expired; hidden otherwise.
    void showExpiry(const MapSlot *shown);

    // MapPanelView.cpp: loading, drawing and storing the view.
    void ShowMap(const MapSlot &slot);
    void showPdf(const QString &path);
    void arrived(int request, const MapSlot &slot, const LoadedMap &loaded);
    void showFailure(const QString &path);
    void dropPicture();
    void setSlider(int value);
    void userZoom(int value);
    void sliderReleased(int x);
    void panStarted(QPointF at);
    void panMoved(QPointF at);
    void panEnded();
    void DrawMap();

    // MapPanelPrint.cpp: "Karte drucken", the map shown on a printer or into a PDF file.
    void cmdPrintMap_Click();

    store::AirportStore &store_;
    platform::Dialogs &dialogs_;
    QString dataFolder_;

    std::array<Slot, 10> slots_{};
    MapCanvas *picMap = nullptr;
    QSlider *SlideMap = nullptr;
    MapPdfView *acroMap = nullptr;
    QLabel *lblExpired = nullptr;  // "Karte abgelaufen am ..." above the map
    QPushButton *cmdPrintMap = nullptr;  // enabled while a map is shown

    QString icao_;          // the airport whose links the buttons hold
    int ActiveMap = -1;     // the slot shown; -1 for none
    QString LastMapFolder;  // the start folder of the linking dialog

    MapView view_;            // the picture's view; not ready while none is shown
    bool viewDirty_ = false;  // the view differs from what its row holds
    bool awaitingDraw_ = false;  // mapSettled follows the first drawing of a new picture
    bool storeFailureTold_ = false;  // a failed store is told once, until a store succeeds again
    QTimer zoomSettled_;               // a zoom step is stored when the user pauses

    bool loading_ = false;
    int request_ = 0;  // the newest load asked for; older ones are dropped on arrival
    std::shared_ptr<std::atomic<int>> newest_ = std::make_shared<std::atomic<int>>(0);
    // One decode at a time, so that a dropped big picture does not run beside its successor.
    QThreadPool decoder_;
};

}  // namespace volmira::browser
