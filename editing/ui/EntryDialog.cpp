#include "editing/ui/EntryDialog.h"

#include "platform/ui/Widgets.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace volmira::editing {

using platform::named;
using platform::setTwips;

EntryDialog::EntryDialog(platform::Dialogs &dialogs, const QString &name, QWidget *parent)
    : QDialog(parent), dialogs_(dialogs) {
    setObjectName(name);
    setModal(true);
    cmdOk = named<QPushButton>(this, QStringLiteral("cmdOk"));
    cmdOk->setText(QStringLiteral("Speichern"));
    cmdCancel = named<QPushButton>(this, QStringLiteral("cmdCancel"));
    cmdCancel->setText(QStringLiteral("Abbrechen"));
    // Enter is this dialog's own: no button is pressed by it as a default button.
    for (QPushButton *button : {cmdOk, cmdCancel}) button->setAutoDefault(false);
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &EntryDialog::cmdCancel_Click);
}

void EntryDialog::cmdCancel_Click() { reject(); }

void EntryDialog::entryBox(QLineEdit *box) {
    // The key and mouse events of every control pass the dialog's filter.
    box->setProperty("entryBox", true);
}

void EntryDialog::showMessage(const QString &title, const QString &text, QWidget *box) {
    dialogs_.inform(this, title, text);
    // Without a window manager nothing hands the keyboard back to the dialog
    // once the message has closed, and Escape would go nowhere.
    activateWindow();
    if (box) box->setFocus();
}

void EntryDialog::finishControls(int buttonsLeft, int buttonsTop) {
    setTwips(cmdOk, buttonsLeft, buttonsTop, 1200, 420);
    setTwips(cmdCancel, buttonsLeft + 1320, buttonsTop, 1200, 420);
    for (QWidget *child : findChildren<QWidget *>()) child->installEventFilter(this);
}

void EntryDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (QWidget *box = firstBox()) box->setFocus();
}

bool EntryDialog::enterOrEscape(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        cmdOk_Click();
        return true;
    case Qt::Key_Escape:
        cmdCancel_Click();
        return true;
    default:
        return false;
    }
}

void EntryDialog::keyPressEvent(QKeyEvent *event) {
    if (!enterOrEscape(event)) QDialog::keyPressEvent(event);
}

bool EntryDialog::eventFilter(QObject *watched, QEvent *event) {
    // A drop-down list's open popup is a window of its own: its Enter picks an entry.
    if (!watched->isWidgetType() || static_cast<QWidget *>(watched)->window() != this)
        return QDialog::eventFilter(watched, event);
    auto *widget = static_cast<QWidget *>(watched);
    if (event->type() == QEvent::KeyPress && enterOrEscape(static_cast<QKeyEvent *>(event))) return true;
    if (event->type() == QEvent::MouseButtonDblClick && widget->property("entryBox").toBool()) {
        static_cast<QLineEdit *>(widget)->clear();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace volmira::editing
