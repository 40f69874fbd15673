#pragma once

#include "browser/AirportLayout.h"
#include "browser/AirportLookup.h"
#include "browser/ui/frmAirportModels.h"
#include "platform/Dialogs.h"
#include "platform/Twips.h"
#include "store/AirportStore.h"

#include <QWidget>

#include <array>
#include <optional>

class QDialog;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace volmira::editing {
class frmChangeAPT;
class frmChangeApproach;
class frmChangeCom;
class frmChangeRwy;
}  // namespace volmira::editing

namespace volmira::browser {

class GermanDateEdit;
class MapPanel;
class frmAirportinfo;

// The airport window: finds an airport by ICAO code, IATA code or the
// beginning of its name and shows its data, runways, approaches, frequencies
// and sun times. Every control's objectName is its name here, e.g. "tAirport",
// "tData(3)".
class frmAirport : public QWidget {
    Q_OBJECT

public:
    frmAirport(store::AirportStore &store, platform::Dialogs &dialogs, const QString &dataFolder,
               QWidget *parent = nullptr);

    // The window's load step: data page, today's date, column widths, then the
    // airport of the previous run.
    void load();
    // Makes the code in tAirport the current airport, or reports that there is none.
    void GetInformation(CodeKind kind = CodeKind::Typed);
    // Shows the airport of that ICAO code, also one of three characters, as
    // if it had been typed (the database manager's airport list).
    void showAirportByIcao(const QString &icao);
    // The code of the airport shown; empty when none is.
    [[nodiscard]] QString currentIcao() const;
    // Opens the note panel (when closed) on the category's note, as "APT Info
    // zeigen" and a click on the category would; false when it is not listed.
    bool showNotes(const QString &category);
    // Shows no airport, as after a code that finds none (its airport was deleted).
    void clearAirport();
    // Writes the upper-case code of tAirport into Apt.crm; the close request calls it.
    void saveLastAirport();
    // The close request: a note being edited is stored, the code shown is kept.
    void Form_QueryUnload();
    // Switches between the data page and the map page.
    void ToggleMapView();
    // The map page, frmMap.
    [[nodiscard]] MapPanel &mapPanel() const { return *frmMap; }
    // Brings the title and ARPT.LastDate of the current airport up to date
    // after a change was stored.
    void ShowLastUpdate();

    // The next resize leaves the layout alone (the load step and the main
    // window's database menu set it).
    bool SkipNextResize = false;
    QLineEdit *tAirport = nullptr;

    [[nodiscard]] QSize sizeHint() const override;

    // frmAirportEdit.cpp: edit mode and the commands of its buttons.
    // Switches edit mode on or off.
    void ToggleEditMode();
    void cmdAddRwy_Click();
    void cmdChangeRwy_Click();
    void cmdDeleteRwy_Click();
    void cmdAddCom_Click();
    void cmdChangeCom_Click();
    void cmdDeleteCom_Click();
    void cmdAddApproach_Click();
    void cmdChangeApproach_Click();
    void cmdDeleteApproach_Click();
    void cmdChangeAPT_Click();
    // Fills the dialog of that name ("frmChangeRwy", ...) as its change command
    // does for the airport shown, without showing it; nothing when the name is
    // unknown or there is no airport.
    [[nodiscard]] QDialog *prepareChangeDialog(const QString &name);

signals:
    // The main window's title naming the airport and its newest change.
    void titleChanged(const QString &title);
    // An airport was found and is shown now, by whatever way it was asked for.
    void airportShown(const QString &icao);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // frmAirportControls.cpp: building the controls.
    void buildSearchArea();
    void buildDataPage();
    QFrame *buildGridFrame(const char *frameName, QLabel *&label, const char *labelName, const QString &caption,
                           QTableView *&grid, const char *gridName, platform::Twips width, platform::Twips gridWidth,
                           platform::Twips height);
    void setColumnWidths();
    void placeDesign(TwipPoint origin);

    void showEmptyState();
    void applyScheme(ColourScheme scheme);
    void ShowAirportData(const AirportView &view);
    void ShowSunTimes();
    void showLastUpdate(const LastUpdate &update, const QString &storedLastDate);
    // GetInformation without the selection of the code.
    void lookUp(CodeKind kind);
    void FindAirportsByName();
    void LoadLastAirport();
    void showSurface(std::optional<int> surface);

    bool spaceShortcut(QKeyEvent *event);
    void tAirportEvent(QEvent *event);
    // True when the event was used up.
    bool tQuickfindEvent(QEvent *event);
    bool gridAirportsEvent(QEvent *event);
    void closeQuickfind();
    // Enter: closes the list and keeps the airport it shows.
    void keepQuickfind();
    // Escape: closes the list and shows the airport of before the quick find again.
    void cancelQuickfind();
    void showAirportBeforeQuickfind();
    void gridRowChanged(QTableView *grid, int row);
    void gridAirportsRowChanged(int row);

    store::AirportStore &store_;
    platform::Dialogs &dialogs_;
    QString dataFolder_;

    std::optional<store::ArptRow> current_;  // the current airport
    bool NoAirportFound = false;             // the next key-up in tAirport only clears it
    // Enter went down in tAirport: the lookup runs on its release. A window
    // that closes on Enter hands the focus here before the key comes up.
    bool EnterDownHere = false;
    bool QuickfindActive = false;            // the code before the quick find is in Label10
    QString searchedName_;                   // the quick-find text the list holds the hits of

    QPushButton *cmdKarte = nullptr;
    QPushButton *cmdAPTData = nullptr;
    QLineEdit *tTemp = nullptr;

    QGroupBox *Frame1 = nullptr;
    QLabel *Label9 = nullptr;
    QFrame *frmtAirport = nullptr;
    QPushButton *cmdFindAirport = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *tQuickfind = nullptr;
    QLabel *Label10 = nullptr;
    QTableView *gridAirports = nullptr;
    QLabel *lblNoHit = nullptr;  // over the empty list: the text finds no airport

    QFrame *frmAPT = nullptr;
    frmAirportinfo *Airportinfo = nullptr;  // the note panel on the data page
    MapPanel *frmMap = nullptr;
    bool MapsLoaded = false;  // the map page holds the current airport's buttons
    QFrame *Frame2 = nullptr;
    std::array<QLineEdit *, kDataFieldCount> tData{};
    QFrame *frmRWY = nullptr;
    QFrame *frmApproach = nullptr;
    QFrame *frmCom = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *lblRWY = nullptr;
    QLabel *lblRWYDesc = nullptr;
    QTableView *gridRwyData = nullptr;
    QTableView *gridApproach = nullptr;
    QTableView *gridCom = nullptr;
    GermanDateEdit *dtpToday = nullptr;
    QLineEdit *tSunrise = nullptr;
    QLineEdit *tSunset = nullptr;

    RunwayModel *rsRwy = nullptr;
    ApproachModel *rsApproach = nullptr;
    ComModel *rsCom = nullptr;
    QuickfindModel *rsQuickfind = nullptr;

    // frmAirportEdit.cpp: edit mode.
    void buildEditControls();
    void setEditMode(bool on);
    // The ten buttons work only on an airport shown.
    void enableEditButtons(bool enabled);
    [[nodiscard]] std::array<QPushButton *, 10> editButtons() const;
    editing::frmChangeRwy &runwayDialog();
    editing::frmChangeAPT &airportDialog();
    editing::frmChangeCom &comDialog();
    editing::frmChangeApproach &approachDialog();
    // The buttons of one row kind (runways, frequencies, approaches); RowPage
    // says where its grid, rows and dialog are.
    template <typename Row>
    friend struct RowPage;
    template <typename Row>
    void addRow();
    template <typename Row>
    void changeRow();
    template <typename Row>
    void deleteRow();
    template <typename Row>
    [[nodiscard]] QDialog *fillFromGrid();
    // Asks until an entry is written or the dialog cancelled; a failed write
    // is reported and the dialog opens again with the entry. A change of the
    // row `loaded` that another program changed meanwhile is written only
    // after a "Ja"; after a "Nein" the dialog opens again with the stored row.
    template <typename Row>
    void writeRow(std::optional<Row> loaded);
    // Says that the row of that id was deleted meanwhile and shows the rows left.
    template <typename Row>
    void vanished(long long id);
    // Rereads the grid's rows with the row of that id current.
    template <typename Row>
    void showRows(long long current);
    // Reads the current airport's record again after an operation wrote it.
    void reloadAirport();
    // The airport block, colours and sun times of a changed airport record.
    void showChangedAirport(const store::ArptRow &airport);

    bool EditMode = false;
    QPushButton *cmdEdit = nullptr;
    QPushButton *cmdFertig = nullptr;
    QPushButton *cmdAddRwy = nullptr;
    QPushButton *cmdChangeRwy = nullptr;
    QPushButton *cmdDeleteRwy = nullptr;
    QPushButton *cmdAddCom = nullptr;
    QPushButton *cmdChangeCom = nullptr;
    QPushButton *cmdDeleteCom = nullptr;
    QPushButton *cmdAddApproach = nullptr;
    QPushButton *cmdChangeApproach = nullptr;
    QPushButton *cmdDeleteApproach = nullptr;
    QPushButton *cmdChangeAPT = nullptr;
    QFrame *Line1 = nullptr;
    QFrame *Line2 = nullptr;
    QFrame *Line3 = nullptr;
    // Made on first use, then only hidden and shown.
    editing::frmChangeRwy *frmChangeRwy_ = nullptr;
    editing::frmChangeAPT *frmChangeAPT_ = nullptr;
    editing::frmChangeCom *frmChangeCom_ = nullptr;
    editing::frmChangeApproach *frmChangeApproach_ = nullptr;
};

}  // namespace volmira::browser
