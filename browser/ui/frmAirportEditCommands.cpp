// The commands of the edit mode's buttons: the entry dialogs, the writes of
// the editing operations, and the lists and fields shown again afterwards.
#include "browser/ui/frmAirport.h"
#include "editing/EditOperations.h"
#include "editing/ui/frmChangeAPT.h"
#include "editing/ui/frmChangeApproach.h"
#include "editing/ui/frmChangeCom.h"
#include "editing/ui/frmChangeRwy.h"
#include "platform/ui/Widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableView>

namespace volmira::browser {

namespace {

const QString kWriteErrorTitle = QStringLiteral("Datenfehler");

bool yes(platform::Dialogs::Answer answer) { return answer == platform::Dialogs::Answer::Yes; }

// Enter on a question that deletes keeps the row.
constexpr platform::Dialogs::Answer kDeleteDefault = platform::Dialogs::Answer::No;

// The rows of a grid again, the row of that id current (else the first).
template <typename Row, std::size_t N>
void showRows(QTableView *grid, platform::RowsModel<Row, N> *model, std::vector<Row> rows, long long current) {
    const auto found = std::find_if(rows.begin(), rows.end(), [current](const auto &r) { return r.id == current; });
    const int row = found == rows.end() ? 0 : int(found - rows.begin());
    model->setRows(std::move(rows));
    if (model->rowCount() > 0) grid->setCurrentIndex(model->index(row, 0));
}

// Fills the dialog from the grid's current row as a change command does; an
// empty grid gives empty boxes, as an add does.
template <typename Dialog, typename Row, std::size_t N, typename Texts>
Dialog *fillFromGrid(Dialog &dialog, const QTableView *grid, const platform::RowsModel<Row, N> *model,
                     Texts (*textsOf)(const Row &)) {
    const int row = grid->currentIndex().row();
    if (row < 0) {
        dialog.fill({}, editing::stampTitle());
    } else {
        const Row &stored = model->rows()[row];
        dialog.fill(textsOf(stored), editing::stampTitle(stored.Date, stored.Time));
    }
    return &dialog;
}

}  // namespace

editing::frmChangeRwy &frmAirport::runwayDialog() {
    if (!frmChangeRwy_) frmChangeRwy_ = new editing::frmChangeRwy(dialogs_, this);
    return *frmChangeRwy_;
}

editing::frmChangeAPT &frmAirport::airportDialog() {
    if (!frmChangeAPT_) frmChangeAPT_ = new editing::frmChangeAPT(dialogs_, editing::duplicateQuery(store_), this);
    return *frmChangeAPT_;
}

editing::frmChangeCom &frmAirport::comDialog() {
    if (!frmChangeCom_) frmChangeCom_ = new editing::frmChangeCom(dialogs_, this);
    return *frmChangeCom_;
}

editing::frmChangeApproach &frmAirport::approachDialog() {
    if (!frmChangeApproach_) frmChangeApproach_ = new editing::frmChangeApproach(dialogs_, this);
    return *frmChangeApproach_;
}

// The operation wrote the summary lengths and LastDate: the window's copy
// follows, so that ShowLastUpdate does not write LastDate a second time.
void frmAirport::reloadAirport() {
    platform::Result<std::optional<store::ArptRow>> airport = store_.reads.airportByIcao(current_->ICAO);
    if (!airport) return dialogs_.inform(this, kWriteErrorTitle, airport.error());
    if (*airport) current_ = std::move(**airport);
}

// Runways.

void frmAirport::cmdAddRwy_Click() {
    if (!current_) return;
    // A new runway starts from empty boxes and previews, on asphalt.
    runwayDialog().fill({}, editing::stampTitle());
    writeRunway(std::nullopt);
}

void frmAirport::cmdChangeRwy_Click() {
    if (!current_) return;
    const int row = gridRwyData->currentIndex().row();
    if (row < 0) return cmdAddRwy_Click();
    if (prepareChangeDialog(QStringLiteral("frmChangeRwy"))) writeRunway(rsRwy->rows()[row].id);
}

void frmAirport::writeRunway(std::optional<long long> id) {
    while (const std::optional<editing::RunwayEntry> entry = runwayDialog().ask()) {
        const platform::Result<editing::RunwayWrite> written =
            id ? editing::changeRunway(store_, current_->ICAO, *id, *entry)
               : editing::addRunway(store_, current_->ICAO, *entry);
        if (!written) {
            dialogs_.inform(this, kWriteErrorTitle, written.error());
            continue;
        }
        reloadAirport();
        showRunways(written->runway.id);
        ShowLastUpdate();
        return;
    }
}

void frmAirport::cmdDeleteRwy_Click() {
    const int row = gridRwyData->currentIndex().row();
    if (!current_ || row < 0) return;
    const store::RwyRow runway = rsRwy->rows()[row];
    if (!yes(dialogs_.ask(this, QStringLiteral("Landebahn löschen"),
                          QStringLiteral("Soll die Landebahn - ") + runway.RWY +
                              QStringLiteral(" - gelöscht werden ? "),
                          kDeleteDefault)))
        return;
    const platform::Result<editing::RunwayWrite> deleted = editing::deleteRunway(store_, current_->ICAO, runway.id);
    if (!deleted) return dialogs_.inform(this, kWriteErrorTitle, deleted.error());
    reloadAirport();
    showRunways(runway.id);
}

void frmAirport::showRunways(long long current) {
    platform::Result<std::vector<store::RwyRow>> rows = store_.reads.runways(current_->ICAO);
    if (!rows) return dialogs_.inform(this, kWriteErrorTitle, rows.error());
    // Without runways the surface indicator has nothing to show.
    if (rows->empty()) {
        lblRWY->hide();
        lblRWYDesc->hide();
    }
    showRows(gridRwyData, rsRwy, std::move(*rows), current);
}

// Frequencies.

void frmAirport::cmdAddCom_Click() {
    if (!current_) return;
    comDialog().fill({}, editing::stampTitle());
    writeFrequency(std::nullopt);
}

void frmAirport::cmdChangeCom_Click() {
    if (!current_) return;
    const int row = gridCom->currentIndex().row();
    if (row < 0) return cmdAddCom_Click();
    if (prepareChangeDialog(QStringLiteral("frmChangeCom"))) writeFrequency(rsCom->rows()[row].id);
}

void frmAirport::writeFrequency(std::optional<long long> id) {
    while (const std::optional<editing::ComEntry> entry = comDialog().ask()) {
        const platform::Result<store::AcomRow> written =
            id ? editing::changeFrequency(store_, current_->ICAO, *id, *entry)
               : editing::addFrequency(store_, current_->ICAO, *entry);
        if (!written) {
            dialogs_.inform(this, kWriteErrorTitle, written.error());
            continue;
        }
        reloadAirport();
        showFrequencies(written->id);
        ShowLastUpdate();
        return;
    }
}

void frmAirport::cmdDeleteCom_Click() {
    const int row = gridCom->currentIndex().row();
    if (!current_ || row < 0) return;
    const store::AcomRow frequency = rsCom->rows()[row];
    if (!yes(dialogs_.ask(this, QStringLiteral("Frequenz löschen"),
                          QStringLiteral("Soll der ATC Name - ") + frequency.Name +
                              QStringLiteral(" - gelöscht werden ? "),
                          kDeleteDefault)))
        return;
    const platform::Result<store::AcomRow> deleted = editing::deleteFrequency(store_, current_->ICAO, frequency.id);
    if (!deleted) return dialogs_.inform(this, kWriteErrorTitle, deleted.error());
    reloadAirport();
    showFrequencies(frequency.id);
}

void frmAirport::showFrequencies(long long current) {
    platform::Result<std::vector<store::AcomRow>> rows = store_.reads.frequencies(current_->ICAO);
    if (!rows) return dialogs_.inform(this, kWriteErrorTitle, rows.error());
    showRows(gridCom, rsCom, std::move(*rows), current);
}

// Approaches.

void frmAirport::cmdAddApproach_Click() {
    if (!current_) return;
    approachDialog().fill({}, editing::stampTitle());
    writeApproach(std::nullopt);
}

void frmAirport::cmdChangeApproach_Click() {
    if (!current_) return;
    const int row = gridApproach->currentIndex().row();
    if (row < 0) return cmdAddApproach_Click();
    if (prepareChangeDialog(QStringLiteral("frmChangeApproach"))) writeApproach(rsApproach->rows()[row].id);
}

void frmAirport::writeApproach(std::optional<long long> id) {
    while (const std::optional<editing::ApproachEntry> entry = approachDialog().ask()) {
        // An approach to a runway the airport does not have is stored only when confirmed.
        if (!editing::matchingRunway(*entry, rsRwy->rows()) &&
            !yes(dialogs_.ask(this, editing::kDataErrorTitle.toString(), editing::unknownRunwayQuestion(*entry),
                              platform::Dialogs::Answer::Yes)))
            return;
        const platform::Result<store::IlsRow> written =
            id ? editing::changeApproach(store_, current_->ICAO, *id, *entry)
               : editing::addApproach(store_, current_->ICAO, *entry);
        if (!written) {
            dialogs_.inform(this, kWriteErrorTitle, written.error());
            continue;
        }
        reloadAirport();
        showApproaches(written->id);
        ShowLastUpdate();
        return;
    }
}

void frmAirport::cmdDeleteApproach_Click() {
    const int row = gridApproach->currentIndex().row();
    if (!current_ || row < 0) return;
    const store::IlsRow approach = rsApproach->rows()[row];
    if (!yes(dialogs_.ask(this, QStringLiteral("Anflugdaten löschen"),
                          QStringLiteral("Sollen die Anflugdaten für die Landebahn - ") + approach.RWY +
                              QStringLiteral(" - gelöscht werden ? "),
                          kDeleteDefault)))
        return;
    const platform::Result<store::IlsRow> deleted = editing::deleteApproach(store_, current_->ICAO, approach.id);
    if (!deleted) return dialogs_.inform(this, kWriteErrorTitle, deleted.error());
    reloadAirport();
    showApproaches(approach.id);
}

void frmAirport::showApproaches(long long current) {
    platform::Result<std::vector<store::IlsRow>> rows = store_.reads.approaches(current_->ICAO);
    if (!rows) return dialogs_.inform(this, kWriteErrorTitle, rows.error());
    showRows(gridApproach, rsApproach, std::move(*rows), current);
}

// The airport record.

void frmAirport::cmdChangeAPT_Click() {
    if (!prepareChangeDialog(QStringLiteral("frmChangeAPT"))) return;
    while (const std::optional<editing::AirportEntry> entry = airportDialog().ask()) {
        const platform::Result<store::ArptRow> written = editing::changeAirport(store_, current_->ICAO, *entry);
        if (!written) {
            dialogs_.inform(this, kWriteErrorTitle, written.error());
            continue;
        }
        showChangedAirport(*written);
        return;
    }
}

void frmAirport::showChangedAirport(const store::ArptRow &airport) {
    current_ = airport;
    const DataTexts texts = airportTexts(airport);
    for (int i = 0; i < kDataFieldCount; ++i) platform::showText(tData[i], texts[i]);
    applyScheme(schemeForType(airport.Type));
    ShowSunTimes();
    ShowLastUpdate();
}

QDialog *frmAirport::prepareChangeDialog(const QString &name) {
    if (!current_) return nullptr;
    if (name == QLatin1String("frmChangeAPT")) {
        const editing::Checked<editing::AirportTexts> texts = editing::airportTexts(*current_);
        if (const auto *failure = std::get_if<editing::EntryFailure>(&texts)) {
            dialogs_.inform(this, failure->title, failure->text);
            return nullptr;
        }
        airportDialog().fill(std::get<editing::AirportTexts>(texts),
                             editing::stampTitle(current_->Date, current_->Time));
        return &airportDialog();
    }
    if (name == QLatin1String("frmChangeRwy"))
        return fillFromGrid(runwayDialog(), gridRwyData, rsRwy, &editing::runwayTexts);
    if (name == QLatin1String("frmChangeCom")) return fillFromGrid(comDialog(), gridCom, rsCom, &editing::comTexts);
    if (name == QLatin1String("frmChangeApproach"))
        return fillFromGrid(approachDialog(), gridApproach, rsApproach, &editing::approachTexts);
    return nullptr;
}

}  // namespace volmira::browser
