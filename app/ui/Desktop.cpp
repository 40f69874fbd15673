#include "app/ui/Desktop.h"

#include "app/StartupCheck.h"
#include "app/ui/DesktopInstance.h"
#include "app/ui/Main.h"
#include "app/ui/frmAbout.h"
#include "app/ui/frmSplash.h"
#include "browser/ui/frmAirport.h"
#include "browser/ui/frmNearby.h"
#include "browser/ui/MapPanel.h"
#include "browser/ui/frmKarte.h"
#include "browser/ui/NoteSearchWindow.h"
#include "manager/ui/frmDatabase.h"
#include "platform/CommandLine.h"
#include "platform/DataFolder.h"
#include "platform/Dialogs.h"
#include "platform/Transfer.h"
#include "platform/VersionSource.h"
#include "platform/ui/DesktopShell.h"
#include "platform/ui/QtGerman.h"
#include "store/AirportStore.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPdfView>
#include <QTimer>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QScreen>
#include <QTextStream>

#include <optional>

namespace volmira::app {

namespace {

void reportDatabaseError(platform::Dialogs &dialogs, const QString &dataFolder, const QString &detail) {
    dialogs.inform(nullptr, QStringLiteral("Fehler Datenbank zu laden"),
                   QStringLiteral("Fehler beim Laden der Datendatei vmdata.vmd file. Bitte überprüfen ob die Datei im "
                                  "Verzeichnis: ") +
                       QDir::toNativeSeparators(dataFolder) + QStringLiteral(" existiert.\n\n") + detail);
}

// How long --map waits for the map to be drawn.
constexpr int kMapWaitMs = 10'000;

// True once the PDF view shows more than its background and blank pages: the
// pages render on threads of their own, after the document is loaded.
bool pdfRendered(QPdfView &view) {
    const QImage shown = view.viewport()->grab().toImage();
    const QRgb background = shown.pixel(0, 0);
    for (int y = 0; y < shown.height(); y += 4)
        for (int x = 0; x < shown.width(); x += 4)
            if (const QRgb pixel = shown.pixel(x, y); pixel != background && pixel != qRgb(255, 255, 255)) return true;
    return false;
}

// The map page with the slot shown as a click shows it; true once it is drawn
// or rendered, false when it could not be shown in time. Its view is stored then.
bool showMap(browser::frmAirport &airport, int slot) {
    browser::MapPanel &panel = airport.mapPanel();
    QElapsedTimer waited;
    waited.start();
    std::optional<bool> settled;
    QEventLoop loop;
    QObject::connect(&panel, &browser::MapPanel::mapSettled, &loop, [&](bool shown) {
        settled = shown;
        loop.quit();
    });
    QTimer::singleShot(kMapWaitMs, &loop, &QEventLoop::quit);
    panel.cmdMap_Click(slot);
    if (!settled) loop.exec();
    auto *pdf = panel.findChild<QPdfView *>(QStringLiteral("acroMap"));
    while (settled.value_or(false) && !pdf->isHidden() && !pdfRendered(*pdf) && waited.elapsed() < kMapWaitMs) {
        QTimer::singleShot(50, &loop, &QEventLoop::quit);
        loop.exec();
    }
    panel.flushView();
    return settled.value_or(false);
}

// Writes the print preview to `file` once it is painted, then closes it.
class PreviewShot final : public QObject {
public:
    explicit PreviewShot(QString file) : file_(std::move(file)) { qApp->installEventFilter(this); }
    bool saved = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(watched);
        if (preview && event->type() == QEvent::Show)
            QTimer::singleShot(0, preview, [this, preview] {
                QApplication::processEvents();
                saved = preview->grab().save(file_, "PNG");
                preview->reject();
            });
        return QObject::eventFilter(watched, event);
    }

private:
    QString file_;
};

// The map linking dialog on the airport's first slot, as its right button opens it.
QDialog *linkDialog(store::AirportStore &store, platform::Dialogs &dialogs, const QString &dataFolder,
                    browser::frmAirport &airport) {
    if (airport.currentIcao().isEmpty()) return nullptr;
    auto *dialog = new browser::frmKarte(store, dialogs, dataFolder, &airport);
    return dialog->activate(airport.currentIcao(), 0, {}) ? dialog : nullptr;
}

// Types the text key by key into the quick find, as the user does: the list shows its hits.
void typeIntoQuickfind(browser::frmAirport &airport, const QString &text) {
    auto *box = airport.findChild<QLineEdit *>(QStringLiteral("tQuickfind"));
    box->setFocus();
    for (const QChar c : text) {
        const auto key = Qt::Key(c.toUpper().unicode());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(box, &press);
        QCoreApplication::sendEvent(box, &release);
    }
}

// The splash as the version check's answer leaves it (the site is asked at
// most 5 s). Not shown, so that its activation step changes nothing.
int splashScreenshot(store::AirportStore &store, const QString &dataFolder, const QString &given) {
    // The splash makes the data folder the current one.
    const QString file = QFileInfo(given).absoluteFilePath();
    platform::FakeDialogs dialogs;
    const std::unique_ptr<platform::Transfer> transfer = platform::makeCurlTransfer();
    platform::DownloadVersionSource source(*transfer);
    StartupCheck check(source);
    frmSplash splash(store, dialogs, check, dataFolder);
    if (!check.isAnswered()) {
        QEventLoop wait;
        QObject::connect(&check, &StartupCheck::answered, &wait, &QEventLoop::quit);
        wait.exec();
    }
    QTextStream err(stderr);
    if (!check.result().error.isEmpty()) err << check.result().error << Qt::endl;
    if (!splash.grab().save(file, "PNG")) {
        err << "Das Bild " << file << " kann nicht geschrieben werden." << Qt::endl;
        return 3;
    }
    return 0;
}

int screenshot(store::AirportStore &store, const QString &dataFolder, const platform::CommandLine &options) {
    if (options.isSet("splash")) return splashScreenshot(store, dataFolder, options.value("screenshot"));
    // No message box may wait for a click here, nor a program start: what would
    // be shown goes to stderr; the version check is not asked.
    platform::FakeDialogs dialogs;
    platform::FakeShell shell;
    Main main(store, dialogs, shell, dataFolder, QApplication::applicationDirPath(), false);
    main.resize(1040, 620);
    main.show();
    browser::frmAirport &airport = main.showAirportWindow();
    if (options.has("show")) {
        airport.tAirport->setText(options.value("show").toUpper());
        airport.GetInformation();
    }
    if (options.isSet("edit")) airport.ToggleEditMode();
    if (options.has("quickfind")) typeIntoQuickfind(airport, options.value("quickfind"));
    const bool notesFound = !options.has("notes") || airport.showNotes(options.value("notes"));
    QTextStream err(stderr);
    // The menu entry of that caption (without its mnemonic), chosen after the airport is shown.
    if (options.has("window")) {
        const QString window = options.value("window");
        if (window == main.mnuDatabase->iconText()) {
            main.showDatabaseWindow();
        } else if (window != main.mnuFlughafen->iconText()) {
            err << "Das Fenster " << window << " ist unbekannt." << Qt::endl;
            return 2;
        }
    }
    QApplication::processEvents();
    bool mapShown = true;
    if (options.has("map")) {
        bool number = false;
        const int slot = options.value("map").toInt(&number);
        if (!number || slot < 0 || slot > 9) {
            err << "Die Kartennummer muss zwischen 0 und 9 liegen." << Qt::endl;
            return 2;
        }
        airport.ToggleMapView();
        if (!airport.mapPanel().slotLinked(slot)) {
            err << "Auf Platz " << slot << " ist keine Karte verknüpft." << Qt::endl;
            return 1;
        }
        // Written all the same: the page says why the map is missing.
        mapShown = showMap(airport, slot);
        if (!mapShown) err << "Die Karte auf Platz " << slot << " wurde nicht gezeigt." << Qt::endl;
    }
    if (!notesFound) err << "Kategorie - " << options.value("notes") << " wurde nicht gefunden." << Qt::endl;
    QWidget *shot = &main;
    // The About window alone, over the frame as the menu shows it.
    std::unique_ptr<frmAbout> about;
    if (options.isSet("about")) {
        about = main.makeAboutWindow();
        about->show();
        QApplication::processEvents();
        shot = about.get();
    }
    // The search in the notes alone, the text typed.
    if (options.has("search-notes")) {
        browser::NoteSearchWindow &search = main.showNoteSearch();
        search.searchText->setText(options.value("search-notes"));
        QApplication::processEvents();
        shot = &search;
    }
    // The dialog alone, filled as its change command fills it.
    std::unique_ptr<QDialog> nearby;
    if (options.has("dialog")) {
        if (options.value("dialog") == u"frmNearby") nearby = main.makeNearbyWindow();
        QDialog *dialog = nearby                                 ? nearby.get()
                          : options.value("dialog") == u"frmKarte" ? linkDialog(store, dialogs, dataFolder, airport)
                                                                   : airport.prepareChangeDialog(options.value("dialog"));
        if (!dialog) {
            err << "Der Dialog " << options.value("dialog") << " ist unbekannt oder es wird kein Flughafen gezeigt."
                << Qt::endl;
            return 2;
        }
        dialog->show();
        QApplication::processEvents();
        shot = dialog;
    }
    // The printed list's preview instead, as its command shows it.
    if (options.isSet("preview")) {
        if (!main.databaseWindow() || !main.databaseWindow()->isVisible()) {
            err << "Die Vorschau der Flughafenliste braucht --window " << main.mnuDatabase->iconText() << "." << Qt::endl;
            return 2;
        }
        PreviewShot preview(options.value("screenshot"));
        main.databaseWindow()->cmdPrint->click();
        for (const auto &box : dialogs.shown) err << box.title << ": " << box.text << Qt::endl;
        if (preview.saved) return 0;
        err << "Das Bild " << options.value("screenshot") << " wurde nicht geschrieben." << Qt::endl;
        return 3;
    }
    for (const auto &box : dialogs.shown) err << box.title << ": " << box.text << Qt::endl;
    if (!shot->grab().save(options.value("screenshot"), "PNG")) {
        err << "Das Bild " << options.value("screenshot") << " kann nicht geschrieben werden." << Qt::endl;
        return 3;
    }
    return notesFound && mapShown ? 0 : 1;
}

}  // namespace

int runDesktop(const platform::CommandLine &options) {
    QApplication::setApplicationName(QStringLiteral("Volmira APT"));
    // Before any window: the print preview and the page set-up, also in a screenshot, speak German.
    const std::unique_ptr<QTranslator> german = platform::qtGerman();
    if (german) QCoreApplication::installTranslator(german.get());
    platform::MessageBoxes dialogs;
    const QString exeDir = QApplication::applicationDirPath();
    const QString dataFolder = platform::resolveDataFolder(options.value("data-dir"), exeDir);
    // One program per data folder, settled before the database is touched; a screenshot is a run of its own.
    DesktopInstance instance;
    if (!options.has("screenshot"))
        if (const std::optional<int> ended = instance.claim(dialogs, dataFolder, options.value("show"))) return *ended;
    if (const platform::Result<> prepared = platform::prepareDataFolder(dataFolder, exeDir); !prepared) {
        dialogs.inform(nullptr, QStringLiteral("Fehler"), prepared.error());
        return 3;
    }
    platform::SystemClock clock;
    store::Database db;
    // An older file is upgraded before any other window, its progress shown on its own.
    std::unique_ptr<QProgressDialog> upgrading;
    const auto progress = [&upgrading](int done, int total) {
        if (!upgrading) {
            upgrading = std::make_unique<QProgressDialog>(store::upgradingMessage(), QString(), 0, total);
            upgrading->setWindowTitle(QApplication::applicationName());
            upgrading->setMinimumDuration(0);
        }
        upgrading->setValue(done);
        QApplication::processEvents();
    };
    const platform::Result<> opened = db.open(QDir(dataFolder).filePath(platform::kDatabaseFile),
                                              store::Database::Mode::ReadWrite, progress);
    upgrading.reset();
    if (!opened) {
        reportDatabaseError(dialogs, dataFolder, opened.error());
        return 3;
    }
    store::AirportStore store(db, clock);
    if (options.has("screenshot")) return screenshot(store, dataFolder, options);

    platform::DesktopShell shell;
    const std::unique_ptr<platform::Transfer> transfer = platform::makeCurlTransfer();
    platform::DownloadVersionSource source(*transfer);
    StartupCheck check(source);
    std::unique_ptr<Main> main;
    frmSplash splash(store, dialogs, check, dataFolder);
    QObject::connect(&splash, &frmSplash::handedOver, [&] {
        // An update import does not hide the entry: it follows the check alone.
        main = std::make_unique<Main>(store, dialogs, shell, dataFolder, exeDir, false);
        main->followVersionCheck(check);
        // Filling the screen first keeps the size where no window manager maximizes.
        main->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
        main->showMaximized();
        main->showAirportWindow();
        instance.setMain(*main);
    });
    instance.setSplash(&splash);
    QRect centred = splash.geometry();
    centred.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
    splash.move(centred.topLeft());
    splash.show();
    return QApplication::exec();
}

}  // namespace volmira::app
