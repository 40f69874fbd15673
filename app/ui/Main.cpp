#include "app/ui/Main.h"

#include "app/StartupCheck.h"
#include "app/UpdateHandoff.h"
#include "app/ui/frmAbout.h"
#include "browser/LastUpdate.h"
#include "browser/ui/frmAirport.h"
#include "browser/ui/NoteSearchWindow.h"
#include "browser/ui/frmNearby.h"
#include "manager/ui/frmDatabase.h"
#include "platform/Dialogs.h"
#include "platform/Transfer.h"
#include "platform/ui/MenuBarKeys.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QKeySequence>
#include <QMenuBar>
#include <QPointer>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>

#include <functional>

namespace volmira::app {

namespace {

// An empty, inert menu entry that keeps the named entries apart.
void addSpacer(QMenuBar *bar, const char *name) {
    QAction *spacer = bar->addAction(QString());
    spacer->setObjectName(QString::fromLatin1(name));
    spacer->setEnabled(false);
}

// Runs `then` once, in the event loop while `context` lives, after `dialog` is hidden.
void afterDialog(QWidget *dialog, QObject *context, std::function<void()> then) {
    class HideWatch final : public QObject {
    public:
        HideWatch(QWidget *dialog, QObject *context, std::function<void()> then)
            : QObject(dialog), context_(context), then_(std::move(then)) {
            dialog->installEventFilter(this);
        }
        bool eventFilter(QObject *watched, QEvent *event) override {
            if (event->type() == QEvent::Hide) {
                watched->removeEventFilter(this);
                if (context_) QTimer::singleShot(0, context_, std::move(then_));
                deleteLater();
            }
            return false;
        }

    private:
        QPointer<QObject> context_;
        std::function<void()> then_;
    };
    new HideWatch(dialog, context, std::move(then));
}

}  // namespace

Main::Main(store::AirportStore &store, platform::Dialogs &dialogs, platform::Shell &shell, const QString &dataFolder,
           const QString &programFolder, bool updateAvailable, QWidget *parent)
    : QMainWindow(parent), store_(store), dialogs_(dialogs), shell_(shell), transfer_(platform::makeCurlTransfer()),
      dataFolder_(dataFolder), programFolder_(programFolder) {
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(browser::kNoAirportTitle.toString());
    children_ = new QStackedWidget(this);
    setCentralWidget(children_);

    // Alt and the underlined letter choose an entry; F10 reaches the bar.
    QMenuBar *bar = menuBar();
    platform::useMenuBarKeys(bar);
    mnuAbout = bar->addAction(QStringLiteral("&About"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    connect(mnuAbout, &QAction::triggered, this, &Main::mnuAbout_Click);
    addSpacer(bar, "mnuempty1");
    addSpacer(bar, "mnuempty2");
    mnuFlughafenMenu = bar->addMenu(QStringLiteral("&Flughafen"));
    mnuFlughafen = mnuFlughafenMenu->menuAction();
    mnuFlughafen->setObjectName(QStringLiteral("mnuFlughafen"));
    mnuAirportWindow = mnuFlughafenMenu->addAction(QStringLiteral("Flughafen&fenster"));
    mnuAirportWindow->setObjectName(QStringLiteral("mnuAirportWindow"));
    connect(mnuAirportWindow, &QAction::triggered, this, [this] { showAirportWindow(); });
    mnuNoteSearch = mnuFlughafenMenu->addAction(QStringLiteral("In &Notizen suchen…"));
    mnuNoteSearch->setObjectName(QStringLiteral("mnuNoteSearch"));
    mnuNoteSearch->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(mnuNoteSearch, &QAction::triggered, this, [this] { showNoteSearch(); });
    mnuNearby = mnuFlughafenMenu->addAction(QStringLiteral("Flughäfen in der &Nähe"));
    mnuNearby->setObjectName(QStringLiteral("mnuNearby"));
    mnuNearby->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(mnuNearby, &QAction::triggered, this, &Main::mnuNearby_Click);
    mnuFlughafenMenu->addSeparator();
    // Filled as the menu opens: an airport deleted meanwhile is no entry.
    connect(mnuFlughafenMenu, &QMenu::aboutToShow, this, &Main::fillRecentEntries);
    recent_ = browser::RecentAirports::read(QDir(dataFolder_).filePath(browser::kRecentAirportsFileName));
    addSpacer(bar, "mnuempty3");
    addSpacer(bar, "mnuempty4");
    mnuDatabase = bar->addAction(QStringLiteral("&Datenbank"));
    mnuDatabase->setObjectName(QStringLiteral("mnuDatabase"));
    connect(mnuDatabase, &QAction::triggered, this, [this] { showDatabaseWindow(); });
    addSpacer(bar, "mnuempty5");
    addSpacer(bar, "mnuempty6");
    mnuUpdate = bar->addAction(QStringLiteral("&Update vorhanden"));
    mnuUpdate->setObjectName(QStringLiteral("mnuUpdate"));
    mnuUpdate->setVisible(updateAvailable);
    connect(mnuUpdate, &QAction::triggered, this, &Main::mnuUpdate_Click);
    airportTitle_ = windowTitle();
    connect(children_, &QStackedWidget::currentChanged, this, &Main::childChanged);
}

Main::~Main() {
    // The children go first, so that the manager's running upload is aborted
    // while the transfer it uses still exists; their removal is no switch of windows.
    disconnect(children_, nullptr, this, nullptr);
    delete children_;
}

browser::frmAirport &Main::airportWindowMade() {
    if (!airport_) {
        airport_ = new browser::frmAirport(store_, dialogs_, dataFolder_, children_);
        connect(airport_, &browser::frmAirport::titleChanged, this, [this](const QString &title) {
            airportTitle_ = title;
            if (children_->currentWidget() == airport_) setWindowTitle(title);
        });
        connect(airport_, &browser::frmAirport::airportShown, this, &Main::rememberShown);
        // Loaded before the frame sizes it: the load step's SkipNextResize is
        // meant for that first sizing, not for the user's first resize.
        airport_->load();
        children_->addWidget(airport_);
    }
    return *airport_;
}

browser::frmAirport &Main::showAirportWindow() {
    children_->setCurrentWidget(&airportWindowMade());
    return *airport_;
}

manager::frmDatabase &Main::showDatabaseWindow() {
    if (!database_) {
        browser::frmAirport &airport = airportWindowMade();
        database_ = new manager::frmDatabase(
            store_, dialogs_, {*transfer_, shell_, clock_, manager::configuredSendSettings()}, dataFolder_, airport,
            children_);
        connect(database_, &manager::frmDatabase::airportWindowWanted, this, [this] { showAirportWindow(); });
        connect(database_, &manager::frmDatabase::statusMessage, statusBar(),
                [this](const QString &text) { statusBar()->showMessage(text); });
        children_->addWidget(database_);
    }
    // The airport window's SkipNextResize stays as it is: the children share
    // one size, so this switch resizes nothing, and a flag set here would
    // swallow the next real resize and leave the airport window unlaid.
    children_->setCurrentWidget(database_);
    return *database_;
}

void Main::childChanged() {
    QWidget *shown = children_->currentWidget();
    if (current_ == database_ && database_ && shown != database_) database_->deactivate();
    current_ = shown;
    if (shown == database_) {
        setWindowTitle(database_->windowTitle());
        database_->activate();
    } else {
        setWindowTitle(airportTitle_);
    }
}

void Main::showHandedOver(const QString &code) {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    if (QWidget *dialog = QApplication::activeModalWidget()) {
        // A dialog's entry belongs to the airport shown: the next one waits.
        dialog->raise();
        dialog->activateWindow();
        afterDialog(dialog, this, [this, code] { showHandedOver(code); });
        return;
    }
    if (code.isEmpty()) return;
    showTyped(code.toUpper());
}

std::unique_ptr<browser::frmNearby> Main::makeNearbyWindow() {
    if (!airport_) return nullptr;
    const auto centre = store_.reads.airportByIcao(airport_->currentIcao());
    if (!centre || !*centre) return nullptr;
    return std::make_unique<browser::frmNearby>(store_.database(), **centre, dataFolder_, this);
}

void Main::mnuNearby_Click() {
    const std::unique_ptr<browser::frmNearby> nearby = makeNearbyWindow();
    if (!nearby) return;  // no airport shown: nothing is near it
    if (nearby->exec() == QDialog::Accepted) showTyped(nearby->chosenIcao());
}

void Main::showTyped(const QString &code) {
    browser::frmAirport &airport = showAirportWindow();
    // In the box, selected after the lookup, as after Enter: the next code typed replaces it.
    airport.tAirport->setFocus();
    airport.tAirport->setText(code);
    airport.GetInformation();
}

browser::NoteSearchWindow &Main::showNoteSearch() {
    browser::frmAirport &airport = showAirportWindow();
    if (!noteSearch_) {
        noteSearch_ = new browser::NoteSearchWindow(store_, this);
        connect(noteSearch_, &browser::NoteSearchWindow::noteWanted, this,
                [this, &airport](const QString &icao, const QString &category) {
                    showTyped(icao);
                    if (airport.currentIcao().compare(icao, Qt::CaseInsensitive) == 0) airport.showNotes(category);
                });
    }
    noteSearch_->reopen();
    noteSearch_->show();
    noteSearch_->raise();
    noteSearch_->activateWindow();
    return *noteSearch_;
}

void Main::rememberShown(const QString &icao) {
    recent_.push(icao);
    if (const platform::Result<> written =
            recent_.write(QDir(dataFolder_).filePath(browser::kRecentAirportsFileName));
        !written)
        statusBar()->showMessage(written.error());
}

void Main::fillRecentEntries() {
    qDeleteAll(recentEntries_);
    recentEntries_.clear();
    const platform::Result<std::vector<store::NameHit>> named = browser::namedAirports(store_.reads, recent_.codes());
    if (!named) {
        statusBar()->showMessage(named.error());
        return;
    }
    QStringList known;
    for (const store::NameHit &airport : *named) {
        known.append(airport.ICAO);
        QString text = airport.ICAO + QStringLiteral("  ") + airport.NAME;
        QAction *entry = mnuFlughafenMenu->addAction(text.replace(u'&', QStringLiteral("&&")));
        connect(entry, &QAction::triggered, this, [this, code = airport.ICAO] { showTyped(code); });
        recentEntries_.append(entry);
    }
    recent_.keepOnly(known);
}

std::unique_ptr<frmAbout> Main::makeAboutWindow() {
    return std::make_unique<frmAbout>(store_, dialogs_, shell_, dataFolder_,
                                      [this](const QString &icao) { showTyped(icao); }, this);
}

void Main::mnuAbout_Click() { makeAboutWindow()->exec(); }

void Main::followVersionCheck(const StartupCheck &check) {
    auto show = [this, &check] {
        if (check.result().updateAvailable()) mnuUpdate->setVisible(true);
    };
    if (check.isAnswered()) show();
    connect(&check, &StartupCheck::answered, this, show);
}

// The updater replaces the program's files: the program ends in its normal
// way, so that the windows keep what they keep at every close.
void Main::mnuUpdate_Click() {
    const Handoff handed = handOffUpdate(shell_, programFolder_);
    if (handed.updaterStarted)
        close();
    else
        dialogs_.inform(this, kUpdateTitle, handed.message);
}

void Main::closeEvent(QCloseEvent *event) {
    // The airport window stores a note being edited and keeps the code shown last for the next start.
    if (airport_) airport_->Form_QueryUnload();
    // The manager keeps its filter in dbs.crm.
    if (database_) database_->Form_QueryUnload();
    event->accept();
}

}  // namespace volmira::app
