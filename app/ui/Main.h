#pragma once

#include "browser/RecentAirports.h"
#include "platform/Clock.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QMenu;
class QStackedWidget;

namespace volmira::platform {
class Dialogs;
class Shell;
class Transfer;
}
namespace volmira::store {
class AirportStore;
}
namespace volmira::browser {
class frmAirport;
class NoteSearchWindow;
class frmNearby;
}
namespace volmira::manager {
class frmDatabase;
}

namespace volmira::app {

class frmAbout;
class StartupCheck;

// The frame window: menu bar, title line, and the child windows maximized inside it.
class Main : public QMainWindow {
    Q_OBJECT
public:
    // The shell starts the updater from programFolder and opens the mail of
    // the database manager's send.
    Main(store::AirportStore &store, platform::Dialogs &dialogs, platform::Shell &shell, const QString &dataFolder,
         const QString &programFolder, bool updateAvailable, QWidget *parent = nullptr);
    ~Main() override;

    // Shows "Update vorhanden" when the start-up's version check finds a newer
    // version, now or when its answer arrives; the entry stays for the run.
    void followVersionCheck(const StartupCheck &check);
    // "Update vorhanden": starts the updater and closes, or opens the download
    // page where none is installed and says so.
    void mnuUpdate_Click();

    // Shows the airport window (made on first use) in the frame.
    browser::frmAirport &showAirportWindow();
    browser::frmAirport *airportWindow() const { return airport_; }
    // Shows the database manager (made on first use) in the frame.
    manager::frmDatabase &showDatabaseWindow();
    manager::frmDatabase *databaseWindow() const { return database_; }

    // A later start of the program handed over `code` (empty: none): the
    // frame comes to the front and the airport window shows the code as if it
    // had been typed; while a dialog is open, once it is closed.
    void showHandedOver(const QString &code);

    // "In Notizen suchen" (Ctrl+F): the search window over the frame, made on
    // first use; a hit chosen there shows its airport with that note open.
    browser::NoteSearchWindow &showNoteSearch();
    // "Flughäfen in der Nähe" of the current airport, modally; a chosen airport is then shown.
    void mnuNearby_Click();
    // That window over the frame; none without a current airport.
    [[nodiscard]] std::unique_ptr<browser::frmNearby> makeNearbyWindow();

    // Shows the About window modally over the frame.
    void mnuAbout_Click();
    // The About window over the frame; a double click in its history shows the airport here.
    [[nodiscard]] std::unique_ptr<frmAbout> makeAboutWindow();

    QAction *mnuAbout;
    // The "Flughafen" menu: the airport window, then the airports shown last, newest first.
    QAction *mnuFlughafen;
    QMenu *mnuFlughafenMenu;
    QAction *mnuAirportWindow;
    QAction *mnuNoteSearch;
    QAction *mnuNearby;  // Ctrl+N
    QAction *mnuDatabase;
    QAction *mnuUpdate;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Makes the airport window once, loaded before the frame sizes it.
    browser::frmAirport &airportWindowMade();
    // The manager is activated when it becomes the current child and
    // deactivated when another one does; the title follows the child.
    void childChanged();
    // Shows the code in the airport window as if it had been typed.
    void showTyped(const QString &code);
    // The shown airport goes to the top of the list kept in the data folder.
    void rememberShown(const QString &icao);
    // The entries of the airports shown last, with their names as stored now.
    void fillRecentEntries();

    store::AirportStore &store_;
    platform::Dialogs &dialogs_;
    platform::Shell &shell_;
    // The database manager's upload goes to the configured server, stamped by the local clock.
    std::unique_ptr<platform::Transfer> transfer_;
    platform::SystemClock clock_;
    QString dataFolder_;
    QString programFolder_;
    QStackedWidget *children_;
    browser::frmAirport *airport_ = nullptr;
    browser::NoteSearchWindow *noteSearch_ = nullptr;
    manager::frmDatabase *database_ = nullptr;
    QWidget *current_ = nullptr;  // the child shown before the last switch
    QString airportTitle_;        // the airport window's title, shown again when it returns
    browser::RecentAirports recent_;
    QList<QAction *> recentEntries_;
};

}  // namespace volmira::app
