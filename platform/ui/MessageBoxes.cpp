#include "platform/Dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace volmira::platform {

void MessageBoxes::inform(QWidget *parent, const QString &title, const QString &text) {
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

Dialogs::Answer MessageBoxes::ask(QWidget *parent, const QString &title, const QString &text) {
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes
               ? Answer::Yes
               : Answer::No;
}

std::optional<QString> MessageBoxes::input(QWidget *parent, const QString &title, const QString &prompt,
                                           const QString &proposed) {
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, proposed, &ok);
    if (!ok) return std::nullopt;
    return answer;
}

}  // namespace volmira::platform
