#include "platform/Dialogs.h"

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

}  // namespace volmira::platform
