#pragma once

#include "app/AboutInfo.h"
#include "platform/ui/RowsModel.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableView;

namespace volmira::platform {
class Dialogs;
class Shell;
}

namespace volmira::app {

// The About window: program and database version, the maker's web address,
// the airports each update replaced (a double click shows one in the airport
// window behind) and the release notes. It only reads.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Shows an airport in the airport window, as a code typed into tAirport.
    using ShowAirport = std::function<void(const QString &icao)>;

    frmAbout(store::AirportStore &store, platform::Dialogs &dialogs, platform::Shell &shell,
             const QString &dataFolder, ShowAirport showAirport, QWidget *parent = nullptr);

    QLabel *Picture1;
    QLabel *Label3;
    QLabel *lblProg;
    QLabel *lblData;
    QLabel *lblDescription;
    QLabel *Label2;
    QLabel *Label1;
    QComboBox *cmbDate;
    QLabel *lblCount;
    QTableView *gridUpdate;
    QListWidget *listUpdate;
    QPushButton *cmdExit;

    // Shows the airports of the day chosen in cmbDate.
    void cmbDate_Click();
    // Shows the airport of the row double-clicked.
    void gridUpdate_DblClick(const QModelIndex &cell);
    void Label2_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void makeControls();
    void load(store::AirportStore &store, const QString &dataFolder);
    void setLinkBackground(const QColor &colour);

    platform::Dialogs &dialogs_;
    platform::Shell &shell_;
    ShowAirport showAirport_;
    std::vector<UpdateDay> days_;
    platform::RowsModel<store::exchange::HistoryEntry, 3> *rsUpdateInfo_ = nullptr;
    QString loadError_;  // shown once the window is up
};

}  // namespace volmira::app
