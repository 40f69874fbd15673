#include "platform/Dialogs.h"

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

}  // namespace volmira::platform
