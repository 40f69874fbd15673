#pragma once

#include <QFrame>
#include <QTimer>

class QLabel;
class QProgressBar;
class QVBoxLayout;

namespace volmira::platform {
class Dialogs;
struct Twips;
}
namespace volmira::store {
class AirportStore;
}

namespace volmira::app {

class StartupCheck;

// The start window: prepares the working folders, asks the download site for
// newer versions, records the running program version, imports a shipped
// update file and hands over to the main window after a short pause or a click.
// The version check runs in the background: the notices follow its answer,
// and only a shipped update waits for it, for the data version it stores.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    frmSplash(store::AirportStore &store, platform::Dialogs &dialogs, StartupCheck &check, const QString &dataFolder,
              QWidget *parent = nullptr);

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
    // A shipped update waits for the version check's answer.
    [[nodiscard]] bool importWaiting() const { return importWaiting_; }

signals:
    // The splash is done; the main window takes over.
    void handedOver();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void load();
    void CheckVersions();
    // Notices and Picture1 after the version check's answer.
    void showAnswer();
    void placePicture(platform::Twips top);
    void activate();
    void importShippedUpdate();
    void handOver();

    store::AirportStore &store_;
    platform::Dialogs &dialogs_;
    StartupCheck &check_;
    QString dataFolder_;
    QVBoxLayout *layout_;
    bool UpdateAvailable = false;
    bool activationQueued_ = false;
    bool activated_ = false;
    bool importWaiting_ = false;
    bool clickHeld_ = false;  // a click on Frame1 while the import waited
    bool handedOver_ = false;
};

}  // namespace volmira::app
