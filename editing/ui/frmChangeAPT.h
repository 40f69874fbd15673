#pragma once

#include "editing/AirportEntry.h"
#include "editing/ui/EntryDialog.h"

#include <array>
#include <optional>

namespace volmira::store {
class AirportStore;
}

class QCheckBox;
class QComboBox;
class QLabel;

namespace volmira::editing {

// The airport dialog, for a change of the shown airport (code box disabled)
// and for a new airport (code box enabled, its code checked against the
// stored ones). Every control's objectName is its name here.
class frmChangeAPT final : public EntryDialog {
    Q_OBJECT

public:
    // duplicate tells whether a new airport's code is stored already.
    frmChangeAPT(platform::Dialogs &dialogs, DuplicateQuery duplicate, QWidget *parent);

    // Sets every control and the title before the dialog is shown; a change
    // keeps what it opened with, so that a stored value too long for its box
    // may stay.
    void fill(const AirportTexts &texts, const QString &title);
    // The checked airport, or nothing when the dialog is cancelled.
    [[nodiscard]] std::optional<AirportEntry> ask() { return askFor(entry_); }
    // Asks for a new airport (empty boxes, "ft", "N", "E", variation "E",
    // Verkehrslandeplatz) and creates it: its code, or nothing when the dialog
    // is cancelled. A failed write is reported and the dialog opens again with
    // the entry.
    [[nodiscard]] std::optional<QString> newAirport(store::AirportStore &store);

    std::array<QLineEdit *, 5> tAPT{};
    std::array<QLineEdit *, 2> tCoord{};
    QComboBox *cmbVar = nullptr;
    QComboBox *cmbftm = nullptr;
    QComboBox *cmbNS = nullptr;
    QComboBox *cmbEW = nullptr;
    QCheckBox *chkVLP = nullptr;
    QCheckBox *chkSLP = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;

protected:
    void cmdOk_Click() override;
    [[nodiscard]] QWidget *firstBox() const override;
    [[nodiscard]] QWidget *box(int index) const override;

private:
    [[nodiscard]] AirportTexts texts() const;

    DuplicateQuery duplicate_;
    AirportTexts openedWith_;
    std::optional<AirportEntry> entry_;
};

}  // namespace volmira::editing
