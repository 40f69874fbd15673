#include "platform/Dialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace volmira::platform {

void MessageBoxes::inform(QWidget *parent, const QString &title, const QString &text) {
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

Dialogs::Answer MessageBoxes::ask(QWidget *parent, const QString &title, const QString &text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    // Qt's own captions are English without a translation installed.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::optional<QString> MessageBoxes::input(QWidget *parent, const QString &title, const QString &prompt,
                                           const QString &proposed) {
    QInputDialog box(parent);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(proposed);
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.textValue();
}

}  // namespace volmira::platform
