#include "manager/ui/frmDatabase.h"

#include "browser/ui/frmAirport.h"
#include "editing/EditOperations.h"
#include "editing/ui/frmChangeAPT.h"
#include "manager/CountTexts.h"
#include "manager/FilterFile.h"
#include "manager/ListFilter.h"
#include "platform/Twips.h"
#include "platform/ui/Widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

namespace volmira::manager {

namespace {

constexpr int kContentWidth = 15180;  // twips
constexpr int kContentHeight = 8130;
constexpr auto kFirstAirport = "EDAA";  // the preselection while the browser shows no airport
constexpr int kRowsAboveFound = 3;

const QString kDataErrorTitle = QStringLiteral("Datenfehler");
constexpr QStringView kSendTitle = u"Neue Daten schicken";

int currentRow(const QTableView *grid) { return grid->currentIndex().isValid() ? grid->currentIndex().row() : -1; }

}  // namespace

frmDatabase::frmDatabase(store::AirportStore &store, platform::Dialogs &dialogs, SendServices send,
                         const QString &dataFolder, browser::frmAirport &airport, QWidget *parent)
    : QWidget(parent), store_(store), dialogs_(dialogs), dataFolder_(dataFolder), airport_(airport),
      send_(store, std::move(send)) {
    setObjectName(QStringLiteral("frmDatabase"));
    setWindowTitle(QStringLiteral("Datenbank"));
    rsLand = makeCountryModel(this);
    rsApt = makeAirportListModel(this);
    rsExport = makeAirportListModel(this);
    content_ = platform::named<QFrame>(this, QStringLiteral("content"));
    platform::setTwips(content_, 0, 0, kContentWidth, kContentHeight);
    buildCountryArea();
    buildFilterArea();
    buildAirportArea();
    buildExportArea();
    connect(gridLand->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { gridLandRowChanged(current.isValid() ? current.row() : -1); });
    connect(gridApt->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid()) platform::selectWholeRow(gridApt, current.row());
            });
}

void frmDatabase::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    // Centred in twips, whole numbers, negative when the window is the smaller.
    const int left = (platform::fromPixels(width()).value - kContentWidth) / 2;
    const int top = (platform::fromPixels(height()).value - kContentHeight) / 2;
    platform::setTwips(content_, left, top, kContentWidth, kContentHeight);
}

void frmDatabase::activate() {
    const QString shown = airport_.currentIcao();
    lblICAO->setText(shown.isEmpty() ? QString::fromLatin1(kFirstAirport) : shown);
    ShowUpdatedApts();
    LoadFilter();
    // One build per activation, after the filter is read: the first one on the browser's airport.
    if (!deactivated_)
        ShowCountries();
    else
        ShowAptList();
}

void frmDatabase::deactivate() {
    deactivated_ = true;
    SaveFilter();
}

void frmDatabase::Form_QueryUnload() { SaveFilter(); }

void frmDatabase::fillCountries() {
    suppressLandChange_ = true;
    rsLand->setRows({});
    const platform::Result<std::vector<store::CountryRow>> countries = store_.lists.countries();
    if (!countries) {
        dialogs_.inform(this, kDataErrorTitle, countries.error());
    } else {
        int total = 0;
        for (const store::CountryRow &country : *countries) total += country.Anzahl;
        rsLand->setRows(*countries);
        lblTotal->setText(totalAirportsText(total));
    }
    suppressLandChange_ = false;
}

void frmDatabase::ShowCountries() {
    fillCountries();
    const QString code = lblICAO->text().trimmed();
    const QString prefix = code.left(2);
    int row = 0;  // an unknown prefix: the first country
    const std::vector<store::CountryRow> &countries = rsLand->rows();
    for (int i = 0; i < int(countries.size()); ++i)
        if (countries[i].ICAO.compare(prefix, Qt::CaseInsensitive) == 0) {
            row = i;
            break;
        }
    selectCountry(row);
    selectAirport(code);
}

void frmDatabase::selectCountry(int row) {
    if (row < 0 || row >= rsLand->rowCount()) {
        ShowAptList();
        return;
    }
    suppressLandChange_ = true;
    gridLand->setCurrentIndex(rsLand->index(row, 0));
    suppressLandChange_ = false;
    platform::selectWholeRow(gridLand, row);
    gridLand->scrollTo(rsLand->index(row, 0));
    ShowAptList();
}

void frmDatabase::gridLandRowChanged(int row) {
    if (suppressLandChange_ || row < 0) return;
    platform::selectWholeRow(gridLand, row);
    ShowAptList();
}

void frmDatabase::selectAirport(const QString &icao) {
    const std::vector<store::ArptRow> &airports = rsApt->rows();
    for (int i = 0; i < int(airports.size()); ++i) {
        if (airports[i].ICAO.compare(icao, Qt::CaseInsensitive) != 0) continue;
        gridApt->setCurrentIndex(rsApt->index(i, 0));
        // Up to three rows above it stay in sight; the view's size is known
        // only once it is laid out, so the scroll waits for that.
        const QPersistentModelIndex top = rsApt->index(std::max(0, i - kRowsAboveFound), 0);
        QMetaObject::invokeMethod(gridApt, [this, top] {
            if (top.isValid()) gridApt->scrollTo(top, QAbstractItemView::PositionAtTop);
        }, Qt::QueuedConnection);
        return;
    }
}

QString frmDatabase::currentCountry() const {
    const int row = currentRow(gridLand);
    return row < 0 ? QString() : rsLand->rows()[row].ICAO;
}

QString frmDatabase::currentAirport() const {
    const int row = currentRow(gridApt);
    return row < 0 ? QString() : rsApt->rows()[row].ICAO;
}

void frmDatabase::ShowUpdatedApts() {
    const platform::Result<std::vector<store::ArptRow>> changed = store_.lists.changedAirports();
    if (!changed) {
        rsExport->setRows({});
        dialogs_.inform(this, kDataErrorTitle, changed.error());
    } else {
        rsExport->setRows(*changed);
    }
    lblNewApt->setText(changedAirportsText(rsExport->rowCount()));
}

FilterSettings frmDatabase::filterSettings() const {
    FilterSettings settings;
    for (int i = 0; i < 2; ++i) {
        settings.surface[i] = fromCheckState(chkSurf[i]->checkState());
        settings.type[i] = fromCheckState(chkType[i]->checkState());
    }
    settings.length = tLength->text();
    return settings;
}

void frmDatabase::showFilterSettings(const FilterSettings &settings) {
    auto show = [](QCheckBox *box, BoxState state) {
        box->setTristate(state == BoxState::Grey);
        box->setCheckState(toCheckState(state));
    };
    for (int i = 0; i < 2; ++i) {
        show(chkSurf[i], settings.surface[i]);
        show(chkType[i], settings.type[i]);
    }
    tLength->setText(settings.length);
}

QString frmDatabase::filterFilePath() const { return QDir(dataFolder_).filePath(QString::fromLatin1(kFilterFileName)); }

void frmDatabase::LoadFilter() {
    // The boxes are set without their click handling: the caller builds the list once.
    const FilterFileRead read = readFilterFile(filterFilePath());
    showFilterSettings(read.over(filterSettings()));
    if (!read.complete) reportFilterWrite(writeFirstRunFilterFile(filterFilePath()));
}

void frmDatabase::SaveFilter() { reportFilterWrite(writeFilterFile(filterFilePath(), filterSettings())); }

void frmDatabase::reportFilterWrite(const platform::Result<> &written) {
    // Told once per run: every switch of windows writes the file again.
    if (written || filterWriteReported_) return;
    filterWriteReported_ = true;
    dialogs_.inform(this, kDataErrorTitle, written.error());
}

ListFilter frmDatabase::readFilter() {
    const ListFilter filter = listFilter(filterSettings());
    if (!filter.lengthReadable) {
        dialogs_.inform(this, kLengthTitle.toString(), kLengthMessage.toString());
        tLength->setFocus();
    }
    return filter;
}

void frmDatabase::ShowAptList() {
    tLength->setModified(false);
    const ListFilter filter = readFilter();
    std::vector<store::ArptRow> airports;
    if (const QString country = currentCountry(); !country.isEmpty()) {
        platform::Result<std::vector<store::ArptRow>> listed = store_.lists.airportList(country, filter.filter);
        if (listed)
            airports = std::move(*listed);
        else
            dialogs_.inform(this, kDataErrorTitle, listed.error());
    }
    rsApt->setRows(std::move(airports));
    // A new list stands on its first airport, the one cmdDelete then acts on.
    if (rsApt->rowCount() > 0) gridApt->setCurrentIndex(rsApt->index(0, 0));
    lblAptCount->setText(airportCountText(rsApt->rowCount()));
}

void frmDatabase::gridAptDoubleClicked() {
    const QString icao = currentAirport();
    if (icao.isEmpty()) return;
    airport_.showAirportByIcao(icao);
    emit airportWindowWanted();
}

bool frmDatabase::eventFilter(QObject *watched, QEvent *event) {
    if (watched == tLength) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            tLength->clear();
            return true;
        }
        if (event->type() == QEvent::FocusOut && tLength->isModified()) {
            // Only when the user moves on within the window, not when a message
            // box takes the focus; and only after an edit, so that a click into
            // the airport list does not rebuild the list under the click.
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            const QWidget *next = QApplication::focusWidget();
            if ((reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) &&
                next && isAncestorOf(next))
                ShowAptList();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmDatabase::cmdDelete_Click() {
    const int row = currentRow(gridApt);
    if (row < 0) {
        dialogs_.inform(this, kDataErrorTitle, store::kNotDeletedMessage.toString());
        return;
    }
    const store::ArptRow airport = rsApt->rows()[row];
    // Enter keeps the airport.
    if (dialogs_.ask(this, store::kDeleteQuestionTitle.toString(), store::deleteQuestion(airport.ICAO, airport.Name),
                     platform::Dialogs::Answer::No) == platform::Dialogs::Answer::Yes) {
        const platform::Result<std::optional<store::DeletedAirport>> deleted =
            store_.deletion.deleteAirport(airport.ICAO);
        if (!deleted)
            dialogs_.inform(this, kDataErrorTitle, deleted.error());
        else if (!*deleted)
            dialogs_.inform(this, kDataErrorTitle, store::kNotDeletedMessage.toString());
        else if (airport_.currentIcao().compare(airport.ICAO, Qt::CaseInsensitive) == 0)
            // Its edit buttons would otherwise write rows of an airport that is gone.
            airport_.clearAirport();
    }
    // Answered either way: the counts anew, the same country row current again
    // (the next one when the country went with its only airport).
    const int country = currentRow(gridLand);
    fillCountries();
    selectCountry(std::min(country, rsLand->rowCount() - 1));
    // The deleted airport must not stay in the list that is sent.
    ShowUpdatedApts();
}

editing::frmChangeAPT &frmDatabase::airportDialog() {
    if (!frmChangeAPT_) frmChangeAPT_ = new editing::frmChangeAPT(dialogs_, editing::duplicateQuery(store_), this);
    return *frmChangeAPT_;
}

void frmDatabase::cmdAdd_Click() {
    const std::optional<QString> code = airportDialog().newAirport(store_);
    if (!code) return;
    lblICAO->setText(*code);
    ShowCountries();
    ShowUpdatedApts();
}

void frmDatabase::cmdSend_Click() {
    QStringList codes;
    for (const store::ArptRow &airport : rsExport->rows()) codes << airport.ICAO;
    const QString path = QDir(dataFolder_).filePath(QStringLiteral("export.crm"));
    const auto started = send_.start(codes, path, [this](const platform::Result<QString> &uploaded) {
        if (uploaded)
            emit statusMessage(*uploaded);
        else
            dialogs_.inform(this, kUploadFailedTitle, uploaded.error());
    });
    if (!started)
        dialogs_.inform(this, kSendTitle.toString(), started.error());
    else if (*started && !(*started)->mailMessage.isEmpty())
        dialogs_.inform(this, kSendTitle.toString(), (*started)->mailMessage);
}

}  // namespace volmira::manager
