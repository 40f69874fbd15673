#pragma once

#include "app/VersionCheck.h"

#include <QFrame>
#include <QTimer>

class QLabel;
class QProgressBar;

namespace volmira::platform {
class Dialogs;
class VersionSource;
}
namespace volmira::store {
class AirportStore;
}

namespace volmira::app {

// The start window: prepares the working folders, asks the download site for
// newer versions, records the running program version, imports a shipped
// update file and hands over to the main window after a short pause or a click.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    frmSplash(store::AirportStore &store, platform::Dialogs &dialogs, platform::VersionSource &versions,
              const QString &dataFolder, QWidget *parent = nullptr);

    QLabel *lblProductName;
    QLabel *Label1;
    QLabel *lblCompanyProduct;
    QLabel *Label2;
    QLabel *lblVersion;
    QLabel *lblVMUpdate;
    QLabel *lblDBUpdate;
    QLabel *Picture1;
    QProgressBar *progbar;
    QFrame *Frame1;
    QTimer Timer1;

    // The download site offers a newer program or data version, and no update
    // import has run since; the main window shows "Update vorhanden" then.
    [[nodiscard]] bool updateAvailable() const { return UpdateAvailable; }

    // A tick of Timer1: hands over unless an update import is running.
    void Timer1_Timer();
    // The activation step (program version, update import) has run.
    [[nodiscard]] bool activated() const { return activated_; }

signals:
    // The splash is done; the main window takes over.
    void handedOver();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void load(platform::VersionSource &versions);
    void CheckVersions(platform::VersionSource &versions);
    void activate();
    void importShippedUpdate();
    void handOver();

    store::AirportStore &store_;
    platform::Dialogs &dialogs_;
    QString dataFolder_;
    VersionCheck versions_;
    bool UpdateAvailable = false;
    bool activationQueued_ = false;
    bool activated_ = false;
    bool handedOver_ = false;
};

}  // namespace volmira::app
