#pragma once

#include "editing/RunwayEntry.h"
#include "editing/ui/EntryDialog.h"

#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QRadioButton;

namespace volmira::editing {

// The runway dialog: one runway end typed, the other computed; the previews
// show what saving stores. Every control's objectName is its name here.
class frmChangeRwy final : public EntryDialog {
    Q_OBJECT

public:
    frmChangeRwy(platform::Dialogs &dialogs, QWidget *parent);

    // Sets boxes, previews, surface and title before the dialog is shown; no hint.
    void fill(const RunwayTexts &texts, const QString &title);
    // The checked runway, or nothing when the dialog is cancelled.
    [[nodiscard]] std::optional<RunwayEntry> ask() { return askFor(entry_); }

    std::array<QLabel *, kRunwayBoxCount> Label1{};
    std::array<QLineEdit *, kRunwayBoxCount> tRwy{};
    QGroupBox *frmVorschau = nullptr;
    std::array<QLineEdit *, kRunwayBoxCount> tVorschau{};
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QRadioButton *optBeton = nullptr;
    QRadioButton *optGras = nullptr;
    QLabel *lblInfo = nullptr;

protected:
    void cmdOk_Click() override;
    [[nodiscard]] QWidget *firstBox() const override { return tRwy[kDesignatorBox]; }
    [[nodiscard]] QWidget *box(int index) const override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    [[nodiscard]] RunwayTexts texts() const;
    // The preview of box i from its text alone; a refused text leaves it.
    void preview(int i);

    std::optional<RunwayEntry> entry_;
};

}  // namespace volmira::editing
