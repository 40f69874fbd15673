#include "app/ui/Main.h"

#include "browser/ui/frmAirport.h"
#include "platform/Dialogs.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QStackedWidget>

namespace volmira::app {

namespace {

// An empty, inert menu entry that keeps the named entries apart.
void addSpacer(QMenuBar *bar, const char *name) {
    QAction *spacer = bar->addAction(QString());
    spacer->setObjectName(QString::fromLatin1(name));
    spacer->setEnabled(false);
}

}  // namespace

Main::Main(store::AirportStore &store, platform::Dialogs &dialogs, const QString &dataFolder, bool updateAvailable,
           QWidget *parent)
    : QMainWindow(parent), store_(store), dialogs_(dialogs), dataFolder_(dataFolder) {
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(browser::kNoAirportTitle.toString());
    children_ = new QStackedWidget(this);
    setCentralWidget(children_);

    QMenuBar *bar = menuBar();
    addSpacer(bar, "mnuempty1");
    addSpacer(bar, "mnuempty2");
    mnuFlughafen = bar->addAction(QStringLiteral("Flughafen"));
    mnuFlughafen->setObjectName(QStringLiteral("mnuFlughafen"));
    connect(mnuFlughafen, &QAction::triggered, this, [this] { showAirportWindow(); });
    addSpacer(bar, "mnuempty3");
    addSpacer(bar, "mnuempty4");
    mnuUpdate = bar->addAction(QStringLiteral("Update vorhanden"));
    mnuUpdate->setObjectName(QStringLiteral("mnuUpdate"));
    mnuUpdate->setVisible(updateAvailable);
}

browser::frmAirport &Main::showAirportWindow() {
    if (!airport_) {
        airport_ = new browser::frmAirport(store_, dialogs_, dataFolder_, children_);
        connect(airport_, &browser::frmAirport::titleChanged, this, &QWidget::setWindowTitle);
        // Loaded before the frame sizes it: the load step's SkipNextResize is
        // meant for that first sizing, not for the user's first resize.
        airport_->load();
        children_->addWidget(airport_);
    }
    children_->setCurrentWidget(airport_);
    return *airport_;
}

void Main::closeEvent(QCloseEvent *event) {
    // The airport window stores a note being edited and keeps the code shown last for the next start.
    if (airport_) airport_->Form_QueryUnload();
    event->accept();
}

}  // namespace volmira::app
