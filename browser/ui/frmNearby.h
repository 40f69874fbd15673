#pragma once

#include "browser/Nearby.h"
#include "store/Database.h"
#include "store/Rows.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QSpinBox;
class QTableWidget;

// "Flughäfen in der Nähe": the airports around the current airport, nearest
// first, with the manager's runway and type filters; the current airport and
// its sun times stay in view above. A double click or Enter on a row closes
// the window with that airport chosen.
namespace volmira::browser {

class frmNearby : public QDialog {
    Q_OBJECT

public:
    // The radius starts at the one kept in the data folder.
    frmNearby(store::Database &db, const store::ArptRow &centre, const QString &dataFolder, QWidget *parent = nullptr);

    // The airport chosen by the double click or Enter; empty before.
    [[nodiscard]] QString chosenIcao() const { return chosen_; }

    QLabel *lblAirport;
    QLabel *lblSunrise;
    QLabel *lblSunset;
    QSpinBox *tRadius;     // NM
    QComboBox *cmbSurface;  // the runway the airport must have
    QComboBox *cmbType;
    QSpinBox *tLength;     // "Bahnlänge größer als", metres
    QLabel *lblCount;
    QTableWidget *gridNearby;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Lists the airports for the controls' values and keeps the radius.
    void ShowNearby();
    void choose(int row);

    store::Database &db_;
    store::ArptRow centre_;
    QString radiusFile_;
    std::vector<NearbyAirport> shown_;
    QString chosen_;
};

}  // namespace volmira::browser
