#pragma once

#include "editing/ApproachEntry.h"
#include "editing/ui/EntryDialog.h"

#include <array>
#include <optional>

class QLabel;

namespace volmira::editing {

// The approach dialog: runway, ILS and outer marker in one row of boxes.
class frmChangeApproach final : public EntryDialog {
    Q_OBJECT

public:
    frmChangeApproach(platform::Dialogs &dialogs, QWidget *parent);

    // Sets the boxes and the title before the dialog is shown; a change keeps
    // what it opened with, so that a stored text too long for its box may stay.
    void fill(const ApproachTexts &texts, const QString &title);
    // The checked approach, or nothing when the dialog is cancelled.
    [[nodiscard]] std::optional<ApproachEntry> ask() { return askFor(entry_); }

    std::array<QLabel *, kApproachBoxCount> lblApproach{};
    std::array<QLineEdit *, kApproachBoxCount> tApproach{};

protected:
    void cmdOk_Click() override;
    [[nodiscard]] QWidget *firstBox() const override { return tApproach[0]; }
    [[nodiscard]] QWidget *box(int index) const override;

private:
    ApproachTexts openedWith_;
    std::optional<ApproachEntry> entry_;
};

}  // namespace volmira::editing
