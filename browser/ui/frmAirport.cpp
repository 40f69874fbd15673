#include "browser/ui/frmAirport.h"

#include "browser/LastAirportFile.h"
#include "browser/ui/MapPanel.h"
#include "browser/ui/frmAirportinfo.h"
#include "browser/ui/frmGermanDateEdit.h"
#include "platform/ui/Widgets.h"
#include "store/DateText.h"
#include "store/LastDate.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <utility>

namespace volmira::browser {

using platform::selectWholeRow;
using platform::showText;

namespace {

const QString kDataErrorTitle = QStringLiteral("Datenfehler");
// Rows the quick-find list reads at a time: more than a screenful.
constexpr int kQuickfindPage = 100;

QColor colour(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

void setBackground(QWidget *widget, QPalette::ColorRole role, Rgb rgb) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour(rgb));
    widget->setPalette(palette);
}

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// The keys that move through the quick-find list.
bool isListKey(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
}

// Tab moves the focus, and Alt or Ctrl alone or Alt with a letter (the menu's
// shortcuts) type nothing.
bool isTyping(const QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Alt:
    case Qt::Key_Control:
        return false;
    default:
        return !event->modifiers().testFlag(Qt::AltModifier);
    }
}

}  // namespace

frmAirport::frmAirport(store::AirportStore &store, platform::Dialogs &dialogs, const QString &dataFolder,
                       QWidget *parent)
    : QWidget(parent), store_(store), dialogs_(dialogs), dataFolder_(dataFolder) {
    setObjectName(QStringLiteral("frmAirport"));
    buildSearchArea();
    buildDataPage();
    buildEditControls();
    gridAirports->raise();
    placeDesign({});
    // Every key of the window passes here first, as the Space shortcut needs.
    for (QWidget *child : findChildren<QWidget *>()) child->installEventFilter(this);
}

QSize frmAirport::sizeHint() const { return {platform::toPixels(kDesignWidth), platform::toPixels(kDesignHeight)}; }

void frmAirport::load() {
    SkipNextResize = true;
    for (QFrame *frame : {frmCom, frmRWY, frmApproach}) frame->show();
    gridAirports->hide();
    frmMap->hide();
    frmAPT->show();
    cmdAPTData->hide();
    cmdKarte->show();
    setEditMode(false);
    QuickfindActive = false;
    // Today by the clock the rows are stamped with.
    dtpToday->setDate(store::parseStoredDate(store_.edits.now().Date));
    setColumnWidths();
    LoadLastAirport();
    GetInformation();
    // A pilot types a code first; it replaces the one shown.
    tAirport->setFocus();
    tAirport->selectAll();
}

// Whatever the lookup found, the code stays selected: the next code typed replaces it.
void frmAirport::GetInformation(CodeKind kind) {
    lookUp(kind);
    tAirport->selectAll();
}

void frmAirport::lookUp(CodeKind kind) {
    clearAirport();
    frmtAirport->hide();
    NoAirportFound = false;

    platform::Result<std::optional<AirportView>> found =
        lookupAirport(store_, tAirport->text(), dtpToday->date(), kind);
    if (!found) {
        NoAirportFound = true;
        dialogs_.inform(this, kDataErrorTitle, found.error());
        return;
    }
    std::optional<AirportView> &view = *found;
    if (!view) {
        emit titleChanged(kNoAirportTitle.toString());
        // Set before the box: the Enter that closes it must not look up again.
        NoAirportFound = true;
        dialogs_.inform(this, kNotFoundTitle.toString(), kNotFoundMessage.toString());
        return;
    }
    current_ = view->airport;
    enableEditButtons(true);
    ShowAirportData(*view);
    showText(tSunrise, view->sun.sunrise);
    showText(tSunset, view->sun.sunset);
    Airportinfo->showAirport(*view);
    showLastUpdate(view->lastUpdate, view->airport.LastDate);
    if (!frmMap->isHidden()) {
        frmMap->MapButtons(current_->ICAO);
        MapsLoaded = true;
    }
    // The airports the quick find passes on the way are not shown to keep:
    // only the one its Enter keeps is.
    if (!QuickfindActive) emit airportShown(current_->ICAO);
}

void frmAirport::showAirportByIcao(const QString &icao) {
    tAirport->setText(icao);
    GetInformation(CodeKind::Icao);
}

QString frmAirport::currentIcao() const { return current_ ? current_->ICAO : QString(); }

bool frmAirport::showNotes(const QString &category) {
    if (Airportinfo->isHidden()) Airportinfo->Command3_Click();
    return Airportinfo->selectCategory(category);
}

void frmAirport::clearAirport() {
    Airportinfo->clearAirport();
    // The page and its buttons empty: no link can be made for no airport.
    frmMap->clear();
    MapsLoaded = false;
    current_.reset();
    showEmptyState();
    emit titleChanged(kNoAirportTitle.toString());
}

void frmAirport::showEmptyState() {
    rsRwy->setRows({});
    rsApproach->setRows({});
    rsCom->setRows({});
    for (QLineEdit *field : tData) field->clear();
    tSunrise->clear();
    tSunset->clear();
    // Shown again by the first runway row.
    lblRWY->hide();
    lblRWYDesc->hide();
    applyScheme(ColourScheme::Vlp);
    enableEditButtons(false);
}

void frmAirport::applyScheme(ColourScheme scheme) {
    const SchemeColours &colours = schemeColours(scheme);
    setBackground(Frame2, QPalette::Window, colours.frame);
    for (QLineEdit *field : tData) setBackground(field, QPalette::Base, colours.frame);
    for (int i : {1, 2, 4, 6}) setBackground(tData[i], QPalette::Base, colours.keyFields);
    for (int i : {0, 3}) setBackground(tData[i], QPalette::Base, colours.nameAndElevation);
    setBackground(tData[5], QPalette::Base, colours.type);
    for (QTableView *grid : {gridRwyData, gridApproach, gridCom})
        setBackground(grid, QPalette::Base, colours.gridBackground);
}

void frmAirport::ShowAirportData(const AirportView &view) {
    for (int i = 0; i < kDataFieldCount; ++i) showText(tData[i], view.texts[i]);
    applyScheme(view.scheme);
    // A bound grid starts on its first row, which shows the runway's surface.
    const auto bind = [](QTableView *grid, auto *model, const auto &rows) {
        model->setRows(rows);
        if (!rows.empty()) grid->setCurrentIndex(model->index(0, 0));
    };
    bind(gridCom, rsCom, view.frequencies);
    bind(gridRwyData, rsRwy, view.runways);
    bind(gridApproach, rsApproach, view.approaches);
}

void frmAirport::ShowSunTimes() {
    if (!current_) return;
    const SunLines lines = sunLines(*current_, dtpToday->date());
    showText(tSunrise, lines.sunrise);
    showText(tSunset, lines.sunset);
}

void frmAirport::ShowLastUpdate() {
    if (!current_) return;
    const platform::Result<LastUpdate> update = readLastUpdate(store_, current_->ICAO);
    if (!update) {
        dialogs_.inform(this, kDataErrorTitle, update.error());
        return;
    }
    showLastUpdate(*update, current_->LastDate);
}

// What the lookup read is used as it stands: no second read.
void frmAirport::showLastUpdate(const LastUpdate &update, const QString &storedLastDate) {
    const platform::Result<> stored = store::storeLastDate(store_, current_->ICAO, update.lastDate, storedLastDate);
    if (!stored) dialogs_.inform(this, kDataErrorTitle, stored.error());
    else if (!update.lastDate.isEmpty()) current_->LastDate = update.lastDate;
    emit titleChanged(update.title);
}

void frmAirport::showSurface(std::optional<int> surface) {
    const SurfaceIndicator indicator = surfaceIndicator(surface);
    setBackground(lblRWY, QPalette::Window, indicator.lblRWY);
    setBackground(lblRWYDesc, QPalette::Window, indicator.lblRWYDesc);
    lblRWYDesc->setText(indicator.caption);
    lblRWY->show();
    lblRWYDesc->show();
}

void frmAirport::gridRowChanged(QTableView *grid, int row) {
    if (row < 0) return;
    if (grid == gridRwyData) showSurface(rsRwy->rows()[row].SURFACE);
    if (grid->model()->rowCount() >= 2) selectWholeRow(grid, row);
}

// The names first, then cities, other names and words of names (see
// findAirports), a screenful at a time: a letter matches thousands of names,
// and the list reads on as it is scrolled. The first hit becomes the list's
// current row, which shows it. A text without hits says so and shows the
// airport of before the first key again: an unrelated airport left in view
// would read as the answer.
void frmAirport::FindAirportsByName() {
    searchedName_ = tQuickfind->text();
    platform::Result<store::AirportReads::Page> found = store_.reads.findAirports(searchedName_, 0, kQuickfindPage);
    if (!found) {
        dialogs_.inform(this, kDataErrorTitle, found.error());
        return;
    }
    QuickfindModel::Fetch more;
    if (!found->last)
        more = [this, text = searchedName_, next = kQuickfindPage]() mutable -> QuickfindModel::More {
            platform::Result<store::AirportReads::Page> page = store_.reads.findAirports(text, next, kQuickfindPage);
            if (!page) {
                dialogs_.inform(this, kDataErrorTitle, page.error());
                return {};
            }
            next += kQuickfindPage;
            return {std::move(page->rows), page->last};
        };
    rsQuickfind->setRows(std::move(found->rows), std::move(more));
    lblNoHit->setVisible(rsQuickfind->rowCount() == 0);
    if (rsQuickfind->rowCount() > 0)
        gridAirports->setCurrentIndex(rsQuickfind->index(0, 0));
    else if (tAirport->text() != Label10->text())
        showAirportBeforeQuickfind();
}

void frmAirport::gridAirportsRowChanged(int row) {
    if (row < 0) return;
    tAirport->setText(rsQuickfind->rows()[row].ICAO);
    selectWholeRow(gridAirports, row);
    GetInformation();
}

void frmAirport::closeQuickfind() {
    // Back to the box before the list hides, so that the focus does not go elsewhere.
    if (gridAirports->hasFocus()) tQuickfind->setFocus();
    gridAirports->hide();
    lblNoHit->hide();
    tQuickfind->clear();
    searchedName_.clear();
    QuickfindActive = false;
}

void frmAirport::keepQuickfind() {
    closeQuickfind();
    if (current_) emit airportShown(current_->ICAO);
}

void frmAirport::cancelQuickfind() {
    closeQuickfind();
    showAirportBeforeQuickfind();
}

void frmAirport::showAirportBeforeQuickfind() {
    tAirport->setText(Label10->text());
    GetInformation();
}

void frmAirport::ToggleMapView() {
    const bool dataPageShowing = !cmdKarte->isHidden();
    frmAPT->setVisible(!dataPageShowing);
    frmMap->setVisible(dataPageShowing);
    cmdAPTData->setVisible(dataPageShowing);
    cmdKarte->setVisible(!dataPageShowing);
    // Edit mode stays on while the map shows, its two buttons hidden there.
    cmdFertig->setVisible(!dataPageShowing && EditMode);
    cmdEdit->setVisible(!dataPageShowing && !EditMode);
    if (!dataPageShowing) return;
    if (!MapsLoaded && current_) frmMap->MapButtons(current_->ICAO);
    MapsLoaded = true;
}

void frmAirport::LoadLastAirport() {
    const QString path = QDir(dataFolder_).filePath(QString::fromLatin1(kLastAirportFileName));
    if (const std::optional<QString> code = readLastAirport(path)) {
        tAirport->setText(*code);
        return;
    }
    const platform::Result<> written = writeLastAirport(path, QString::fromLatin1(kFirstRunAirport));
    if (!written) dialogs_.inform(this, kDataErrorTitle, written.error());
}

void frmAirport::saveLastAirport() {
    const QString path = QDir(dataFolder_).filePath(QString::fromLatin1(kLastAirportFileName));
    const platform::Result<> written = writeLastAirport(path, tAirport->text().toUpper());
    if (!written) dialogs_.inform(this, kDataErrorTitle, written.error());
}

void frmAirport::Form_QueryUnload() {
    Airportinfo->savePending();
    frmMap->flushView();
    saveLastAirport();
}

void frmAirport::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    if (SkipNextResize) {
        SkipNextResize = false;
        return;
    }
    if (const std::optional<TwipPoint> origin =
            centredOrigin(platform::fromPixels(width()), platform::fromPixels(height())))
        placeDesign(*origin);
}

bool frmAirport::spaceShortcut(QKeyEvent *event) {
    if (event->key() != Qt::Key_Space || event->isAutoRepeat()) return false;
    // The note panel shows: Space is typed into it.
    if (!gridAirports->isHidden() || !frmtAirport->isHidden() || Airportinfo->isVisible()) return false;
    tTemp->setFocus();
    ToggleMapView();
    return true;
}

void frmAirport::tAirportEvent(QEvent *event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (isTyping(key)) frmtAirport->show();
        if (isEnter(key->key())) EnterDownHere = true;
        break;
    }
    case QEvent::KeyRelease: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->isAutoRepeat()) break;
        if (NoAirportFound) {
            NoAirportFound = false;
            break;
        }
        if (isEnter(key->key()) && std::exchange(EnterDownHere, false)) {
            tAirport->setText(tAirport->text().toUpper());
            GetInformation();
        }
        break;
    }
    case QEvent::FocusOut:
        // So that cmdFindAirport looks up the upper-case code. An unchanged
        // text keeps its selection for the return to the window.
        if (const QString upper = tAirport->text().toUpper(); upper != tAirport->text()) tAirport->setText(upper);
        break;
    case QEvent::MouseButtonDblClick:
        tAirport->clear();
        break;
    default:
        break;
    }
}

bool frmAirport::tQuickfindEvent(QEvent *event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!isTyping(key)) break;
        // The arrow keys pick a hit of the list while the text stays.
        if (isListKey(key->key()) && QuickfindActive) {
            QCoreApplication::sendEvent(gridAirports, event);
            return true;
        }
        if (!QuickfindActive) Label10->setText(tAirport->text());
        QuickfindActive = true;
        gridAirports->show();
        break;
    }
    case QEvent::KeyRelease: {
        const auto *key = static_cast<QKeyEvent *>(event);
        // A key-up without its key-down here (Enter or Escape in the list) is over.
        if (key->isAutoRepeat() || !isTyping(key) || !QuickfindActive) break;
        // Only a changed text searches again: Enter keeps the hit picked in the list.
        if (tQuickfind->text() != searchedName_) FindAirportsByName();
        if (isEnter(key->key()))
            keepQuickfind();
        else if (key->key() == Qt::Key_Escape)
            cancelQuickfind();
        break;
    }
    case QEvent::MouseButtonDblClick:
        tQuickfind->clear();
        break;
    default:
        break;
    }
    return false;
}

// Enter and Escape in the list act as in the quick-find box.
bool frmAirport::gridAirportsEvent(QEvent *event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (isEnter(key)) {
        keepQuickfind();
        return true;
    }
    if (key == Qt::Key_Escape) {
        cancelQuickfind();
        return true;
    }
    return false;
}

bool frmAirport::eventFilter(QObject *watched, QEvent *event) {
    // Popups such as the date picker's calendar are windows of their own.
    if (static_cast<QWidget *>(watched)->window() != window()) return QWidget::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    // Space never presses a button of this window.
    if (type == QEvent::KeyPress && qobject_cast<QAbstractButton *>(watched) &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space)
        return true;
    if (type == QEvent::KeyRelease && spaceShortcut(static_cast<QKeyEvent *>(event))) return true;
    if (watched == tAirport) tAirportEvent(event);
    if (watched == tQuickfind && tQuickfindEvent(event)) return true;
    if (watched == gridAirports && gridAirportsEvent(event)) return true;
    return QWidget::eventFilter(watched, event);
}

}  // namespace volmira::browser
