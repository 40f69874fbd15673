#pragma once

#include "editing/ComEntry.h"
#include "editing/ui/EntryDialog.h"

#include <array>
#include <optional>

class QLabel;

namespace volmira::editing {

// The frequency dialog: the station's name and its frequency.
class frmChangeCom final : public EntryDialog {
    Q_OBJECT

public:
    frmChangeCom(platform::Dialogs &dialogs, QWidget *parent);

    // Sets the boxes and the title before the dialog is shown; a change keeps
    // what it opened with, so that a stored text too long for its box may stay.
    void fill(const ComTexts &texts, const QString &title);
    // The checked frequency, or nothing when the dialog is cancelled.
    [[nodiscard]] std::optional<ComEntry> ask() { return askFor(entry_); }

    std::array<QLabel *, kComBoxCount> lblCom{};
    std::array<QLineEdit *, kComBoxCount> tCom{};

protected:
    void cmdOk_Click() override;
    [[nodiscard]] QWidget *firstBox() const override { return tCom[0]; }
    [[nodiscard]] QWidget *box(int index) const override;

private:
    ComTexts openedWith_;
    std::optional<ComEntry> entry_;
};

}  // namespace volmira::editing
