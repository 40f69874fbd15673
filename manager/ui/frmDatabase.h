#pragma once

#include "manager/ListFilter.h"
#include "manager/SendExport.h"
#include "manager/report/ReportLayout.h"
#include "manager/ui/ManagerModels.h"
#include "platform/Dialogs.h"
#include "store/AirportStore.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QProgressBar;
class QPushButton;
class QTableView;

namespace volmira::browser {
class frmAirport;
}
namespace volmira::editing {
class frmChangeAPT;
}

namespace volmira::manager {

// The database manager: the countries with their airport counts, the airports
// of the current country that pass the filter, the airports changed since the
// database date, and the commands that add, delete and send airports. Every
// control's objectName is its name here, e.g. "gridLand", "chkSurf(1)".
class frmDatabase : public QWidget {
    Q_OBJECT

public:
    // The airport window supplies the code shown and shows an airport of the
    // lists; `send` is what cmdSend uploads and mails with.
    frmDatabase(store::AirportStore &store, platform::Dialogs &dialogs, SendServices send, const QString &dataFolder,
                browser::frmAirport &airport, QWidget *parent = nullptr);

    // The window became the frame's current child: the lists are built once,
    // with the filter of dbs.crm; the first time, on the airport the browser shows.
    void activate();
    // Another child became current: the filter is kept in dbs.crm.
    void deactivate();
    // The frame closes.
    void Form_QueryUnload();

    // Rebuild the airport list for the current country and the filter.
    void ShowAptList();
    void cmdDelete_Click();
    void cmdAdd_Click();
    // Writes export.crm, starts its upload and opens the mail; returns at once,
    // the upload's outcome follows as statusMessage or a message box.
    void cmdSend_Click();
    // Whether an upload of cmdSend is still running.
    [[nodiscard]] bool sending() const { return send_.busy(); }
    // The printed list of the airports listed: prepared with the progress bar
    // shown, then its preview.
    void cmdPrint_Click();
    // The preview of the list, modal and maximized, from which the user prints.
    void ShowAptReport(const std::vector<ReportAirport> &airports);

    // The current airport of the filtered list; empty when there is none.
    [[nodiscard]] QString currentAirport() const;

    QTableView *gridLand = nullptr;
    QTableView *gridApt = nullptr;
    QTableView *gridExport = nullptr;
    QLabel *lblTotal = nullptr;
    QLabel *lblAptCount = nullptr;
    QLabel *lblNewApt = nullptr;
    QLabel *lblICAO = nullptr;
    std::array<QCheckBox *, 2> chkSurf{};
    std::array<QCheckBox *, 2> chkType{};
    QLineEdit *tLength = nullptr;
    QCheckBox *chkShowAll = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdSend = nullptr;
    QPushButton *cmdPrint = nullptr;
    QProgressBar *progbar = nullptr;

signals:
    // A double-click in the airport list made its airport the browser's: show the browser.
    void airportWindowWanted();
    // A line for the frame's status bar: the outcome of a send.
    void statusMessage(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // frmDatabaseControls.cpp: building the controls in the content frame.
    void buildCountryArea();
    void buildFilterArea();
    void buildAirportArea();
    void buildExportArea();

    // Fills the country list and the total; the current row stays unset.
    void fillCountries();
    // The country list, with the country and airport of lblICAO current.
    void ShowCountries();
    void ShowUpdatedApts();
    void LoadFilter();
    void SaveFilter();
    [[nodiscard]] QString filterFilePath() const;
    [[nodiscard]] FilterSettings filterSettings() const;
    // Sets the boxes and the length text without their click handling.
    void showFilterSettings(const FilterSettings &settings);
    void reportFilterWrite(const platform::Result<> &written);
    // The filter of the boxes; an unreadable length box is told, and counts as 0.
    [[nodiscard]] ListFilter readFilter();
    // frmDatabaseReport.cpp: the preview's pages on a printer or the preview.
    void paintReport(QPrinter &printer, const ReportPages &pages);
    // Makes the country row current and fills its airport list.
    void selectCountry(int row);
    // Makes the airport of that code current in the list, showing up to three rows above it.
    void selectAirport(const QString &icao);
    void gridLandRowChanged(int row);
    void gridAptDoubleClicked();
    [[nodiscard]] QString currentCountry() const;
    editing::frmChangeAPT &airportDialog();

    store::AirportStore &store_;
    platform::Dialogs &dialogs_;
    QString dataFolder_;
    browser::frmAirport &airport_;
    SendExport send_;

    CountryModel *rsLand = nullptr;
    AirportListModel *rsApt = nullptr;
    AirportListModel *rsExport = nullptr;
    bool deactivated_ = false;       // set by the first deactivation: the country list stays from then on
    bool suppressLandChange_ = false;  // the program moves gridLand's current row itself
    bool filterWriteReported_ = false;  // a failed write of dbs.crm is told once

    QFrame *content_ = nullptr;  // the design area, centred in the window
    QGroupBox *frmAuswahl = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label8 = nullptr;
    editing::frmChangeAPT *frmChangeAPT_ = nullptr;  // made on first use
};

}  // namespace volmira::manager
