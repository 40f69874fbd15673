#pragma once

#include "editing/Entry.h"
#include "platform/Dialogs.h"

#include <QDialog>
#include <QLineEdit>

#include <optional>
#include <variant>

class QPushButton;

namespace volmira::editing {

// What the four entry dialogs share: "Speichern" and "Abbrechen", Enter and
// Escape anywhere in the dialog (on the key press, so that the Enter which
// closes a message box does not press "Speichern" again), the title-bar close
// button as "Abbrechen", entry boxes that a double click empties, messages
// with their title that leave the focus in the box at fault. A dialog is made
// once and afterwards only hidden and shown; its controls keep their texts.
class EntryDialog : public QDialog {
    Q_OBJECT

public:
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;

protected:
    EntryDialog(platform::Dialogs &dialogs, const QString &name, QWidget *parent);

    // Checks the entry and accepts the dialog when it is fine (acceptChecked).
    virtual void cmdOk_Click() = 0;
    void cmdCancel_Click();
    // The box that gets the focus whenever the dialog is shown.
    [[nodiscard]] virtual QWidget *firstBox() const = 0;
    // The box an EntryFailure names by its number.
    [[nodiscard]] virtual QWidget *box(int index) const = 0;

    // Shows the dialog modally until an entry is accepted, or gives nothing
    // when it is cancelled (Escape, "Abbrechen", the close button).
    template <typename Entry>
    [[nodiscard]] std::optional<Entry> askFor(std::optional<Entry> &accepted) {
        accepted.reset();
        return exec() == QDialog::Accepted ? accepted : std::nullopt;
    }
    // The checked entry is taken and the dialog closed; a failure is shown
    // and the dialog stays open as typed.
    template <typename Entry>
    void acceptChecked(Checked<Entry> checked, std::optional<Entry> &accepted) {
        if (const auto *failure = std::get_if<EntryFailure>(&checked)) {
            showMessage(failure->title, failure->text, box(failure->box));
            return;
        }
        accepted = std::get<Entry>(std::move(checked));
        accept();
    }

    // A double click empties the box.
    void entryBox(QLineEdit *box);
    // A message with an OK button; afterwards the focus is in the box, when one is given.
    void showMessage(const QString &title, const QString &text, QWidget *box);
    // Places the two buttons; call last in the constructor, when every control exists.
    void finishControls(int buttonsLeft, int buttonsTop);

    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    platform::Dialogs &dialogs_;

private:
    // True when the key was Enter or Escape and has been acted on.
    bool enterOrEscape(QKeyEvent *event);
};

}  // namespace volmira::editing
