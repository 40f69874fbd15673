#pragma once

#include <QMainWindow>

class QAction;
class QStackedWidget;

namespace volmira::platform {
class Dialogs;
}
namespace volmira::store {
class AirportStore;
}
namespace volmira::browser {
class frmAirport;
}

namespace volmira::app {

// The frame window: menu bar, title line, and the child windows maximized inside it.
class Main : public QMainWindow {
    Q_OBJECT
public:
    Main(store::AirportStore &store, platform::Dialogs &dialogs, const QString &dataFolder, bool updateAvailable,
         QWidget *parent = nullptr);

    // Shows the airport window (made on first use) in the frame.
    browser::frmAirport &showAirportWindow();
    browser::frmAirport *airportWindow() const { return airport_; }

    QAction *mnuFlughafen;
    QAction *mnuUpdate;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    store::AirportStore &store_;
    platform::Dialogs &dialogs_;
    QString dataFolder_;
    QStackedWidget *children_;
    browser::frmAirport *airport_ = nullptr;
};

}  // namespace volmira::app
