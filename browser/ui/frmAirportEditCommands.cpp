// The commands of the edit mode's buttons: the entry dialogs, the writes of
// the editing operations, and the lists and fields shown again afterwards.
#include "browser/ui/WriteAsking.h"
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

#include <type_traits>

namespace volmira::browser {

namespace {

const QString kWriteErrorTitle = QStringLiteral("Datenfehler");

bool yes(platform::Dialogs::Answer answer) { return answer == platform::Dialogs::Answer::Yes; }

// Enter on a question that deletes keeps the row.
constexpr platform::Dialogs::Answer kDeleteDefault = platform::Dialogs::Answer::No;

// The rows of a grid again, the row of that id current (else the first).
template <typename Row, std::size_t N>
void showGridRows(QTableView *grid, platform::RowsModel<Row, N> *model, std::vector<Row> rows, long long current) {
    const auto found = std::find_if(rows.begin(), rows.end(), [current](const auto &r) { return r.id == current; });
    const int row = found == rows.end() ? 0 : int(found - rows.begin());
    model->setRows(std::move(rows));
    if (model->rowCount() > 0) grid->setCurrentIndex(model->index(row, 0));
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

// Runways, frequencies and approaches.

template <typename Row>
struct RowPage;

// Where a kind's grid, rows and dialog are, and the texts of its dialog and delete question.
struct PageTexts {
    const char *dialogName, *title, *question;
};

template <auto Grid, auto Model, auto Dialog, auto Named>
struct RowWidgets {
    static QTableView *grid(frmAirport &w) { return w.*Grid; }
    static auto *model(frmAirport &w) { return w.*Model; }
    static auto &dialog(frmAirport &w) { return (w.*Dialog)(); }
    template <typename Row>
    static QString question(const PageTexts &texts, const Row &row) {
        return QString::fromUtf8(texts.question) + row.*Named + QStringLiteral(" - gelöscht werden ? ");
    }
};

template <>
struct RowPage<store::RwyRow>
    : RowWidgets<&frmAirport::gridRwyData, &frmAirport::rsRwy, &frmAirport::runwayDialog, &store::RwyRow::RWY> {
    static constexpr PageTexts texts{"frmChangeRwy", "Landebahn löschen", "Soll die Landebahn - "};
};
template <>
struct RowPage<store::AcomRow>
    : RowWidgets<&frmAirport::gridCom, &frmAirport::rsCom, &frmAirport::comDialog, &store::AcomRow::Name> {
    static constexpr PageTexts texts{"frmChangeCom", "Frequenz löschen", "Soll der ATC Name - "};
};
template <>
struct RowPage<store::IlsRow>
    : RowWidgets<&frmAirport::gridApproach, &frmAirport::rsApproach, &frmAirport::approachDialog, &store::IlsRow::RWY> {
    static constexpr PageTexts texts{"frmChangeApproach", "Anflugdaten löschen",
                                     "Sollen die Anflugdaten für die Landebahn - "};
};

// Fills the dialog from the grid's current row as a change command does; an
// empty grid gives empty boxes, as an add does.
template <typename Row>
QDialog *frmAirport::fillFromGrid() {
    auto &dialog = RowPage<Row>::dialog(*this);
    const int row = RowPage<Row>::grid(*this)->currentIndex().row();
    if (row < 0) {
        dialog.fill({}, editing::stampTitle());
    } else {
        const Row &stored = RowPage<Row>::model(*this)->rows()[row];
        dialog.fill(editing::RowKind<Row>::texts(stored), editing::stampTitle(stored.Date, stored.Time));
    }
    return &dialog;
}

template <typename Row>
void frmAirport::addRow() {
    if (!current_) return;
    // A new row starts from empty boxes (a runway's previews too, on asphalt).
    RowPage<Row>::dialog(*this).fill({}, editing::stampTitle());
    writeRow<Row>(std::optional<Row>());
}

template <typename Row>
void frmAirport::changeRow() {
    if (!current_) return;
    const int row = RowPage<Row>::grid(*this)->currentIndex().row();
    if (row < 0) return addRow<Row>();
    if (prepareChangeDialog(QLatin1String(RowPage<Row>::texts.dialogName)))
        writeRow<Row>(RowPage<Row>::model(*this)->rows()[row]);
}

template <typename Row>
void frmAirport::writeRow(std::optional<Row> loaded) {
    auto &dialog = RowPage<Row>::dialog(*this);
    while (const auto entry = dialog.ask()) {
        // An approach to a runway the airport does not have is stored only when confirmed.
        if constexpr (std::is_same_v<Row, store::IlsRow>) {
            if (!editing::matchingRunway(*entry, rsRwy->rows()) &&
                !yes(dialogs_.ask(this, editing::kDataErrorTitle.toString(), editing::unknownRunwayQuestion(*entry),
                                  platform::Dialogs::Answer::Yes)))
                return;
        }
        const auto outcome = writeAsking(this, dialogs_, loaded, [&](const std::optional<Row> &row) {
            return editing::writeRow<Row>(store_, current_->ICAO, row, *entry);
        });
        if (!outcome) {
            dialogs_.inform(this, kWriteErrorTitle, outcome.error());
            continue;
        }
        if (const auto *other = std::get_if<store::Meanwhile<Row>>(&*outcome)) {
            if (!other->stored) return vanished<Row>(loaded->id);
            // "Nein": the stored row is what the dialog, the list, the airport's
            // lengths and the last-change title show now.
            loaded = other->stored;
            dialog.fill(editing::RowKind<Row>::texts(*loaded), editing::stampTitle(loaded->Date, loaded->Time));
            reloadAirport();
            showRows<Row>(loaded->id);
            ShowLastUpdate();
            continue;
        }
        reloadAirport();
        showRows<Row>(editing::RowKind<Row>::row(std::get<0>(*outcome)).id);
        ShowLastUpdate();
        return;
    }
}

template <typename Row>
void frmAirport::vanished(long long id) {
    dialogs_.inform(this, kWriteErrorTitle, editing::vanishedMessage<Row>());
    showRows<Row>(id);
}

template <typename Row>
void frmAirport::deleteRow() {
    const int index = RowPage<Row>::grid(*this)->currentIndex().row();
    if (!current_ || index < 0) return;
    const Row row = RowPage<Row>::model(*this)->rows()[index];
    const PageTexts &texts = RowPage<Row>::texts;
    if (!yes(dialogs_.ask(this, QString::fromUtf8(texts.title), RowPage<Row>::question(texts, row), kDeleteDefault))) return;
    const auto deleted = editing::RowKind<Row>::deleteEntry(store_, current_->ICAO, row.id, store::stampOf(row));
    if (!deleted) return dialogs_.inform(this, kWriteErrorTitle, deleted.error());
    if (const auto *other = std::get_if<store::Meanwhile<Row>>(&*deleted)) {
        if (!other->stored) return vanished<Row>(row.id);
        // Changed since it was shown: the list shows it as stored, and a second delete deletes that.
        dialogs_.inform(this, kWriteErrorTitle, store::kChangedMeanwhileMessage.toString());
        return showRows<Row>(row.id);
    }
    reloadAirport();
    showRows<Row>(row.id);
}

template <typename Row>
void frmAirport::showRows(long long current) {
    platform::Result<std::vector<Row>> rows = (store_.reads.*editing::RowKind<Row>::list)(current_->ICAO);
    if (!rows) return dialogs_.inform(this, kWriteErrorTitle, rows.error());
    // Without runways the surface indicator has nothing to show.
    if (std::is_same_v<Row, store::RwyRow> && rows->empty()) {
        lblRWY->hide();
        lblRWYDesc->hide();
    }
    showGridRows(RowPage<Row>::grid(*this), RowPage<Row>::model(*this), std::move(*rows), current);
}

void frmAirport::cmdAddRwy_Click() { addRow<store::RwyRow>(); }
void frmAirport::cmdChangeRwy_Click() { changeRow<store::RwyRow>(); }
void frmAirport::cmdDeleteRwy_Click() { deleteRow<store::RwyRow>(); }
void frmAirport::cmdAddCom_Click() { addRow<store::AcomRow>(); }
void frmAirport::cmdChangeCom_Click() { changeRow<store::AcomRow>(); }
void frmAirport::cmdDeleteCom_Click() { deleteRow<store::AcomRow>(); }
void frmAirport::cmdAddApproach_Click() { addRow<store::IlsRow>(); }
void frmAirport::cmdChangeApproach_Click() { changeRow<store::IlsRow>(); }
void frmAirport::cmdDeleteApproach_Click() { deleteRow<store::IlsRow>(); }

// The airport record.

void frmAirport::cmdChangeAPT_Click() {
    if (!prepareChangeDialog(QStringLiteral("frmChangeAPT"))) return;
    while (const std::optional<editing::AirportEntry> entry = airportDialog().ask()) {
        const auto outcome = writeAsking(this, dialogs_, current_, [&](const std::optional<store::ArptRow> &loaded) {
            return editing::changeAirport(store_, current_->ICAO, store::stampOf(*loaded), *entry);
        });
        if (!outcome) {
            dialogs_.inform(this, kWriteErrorTitle, outcome.error());
            continue;
        }
        if (const auto *other = std::get_if<store::Meanwhile<store::ArptRow>>(&*outcome)) {
            // "Nein": the window and the dialog show the record as stored (an
            // airport deleted meanwhile is a failure, so there is one).
            showChangedAirport(*other->stored);
            if (!prepareChangeDialog(QStringLiteral("frmChangeAPT"))) return;
            continue;
        }
        showChangedAirport(std::get<0>(*outcome));
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
    if (name == QLatin1String(RowPage<store::RwyRow>::texts.dialogName)) return fillFromGrid<store::RwyRow>();
    if (name == QLatin1String(RowPage<store::AcomRow>::texts.dialogName)) return fillFromGrid<store::AcomRow>();
    if (name == QLatin1String(RowPage<store::IlsRow>::texts.dialogName)) return fillFromGrid<store::IlsRow>();
    return nullptr;
}

}  // namespace volmira::browser
