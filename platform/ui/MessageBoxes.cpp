#include "platform/Dialogs.h"

#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace volmira::platform {

namespace {

// Room beside the title for the title bar's icon and buttons.
constexpr int kTitleBarExtra = 160;

// The window manager cuts a title wider than its window ("Katego…ndern"):
// the box is made at least as wide as its title needs.
int titleWidth(const QWidget &box, const QString &title) {
    return box.fontMetrics().horizontalAdvance(title) + kTitleBarExtra;
}

// A message box sizes itself from its layout and ignores a minimum width.
void fitTitle(QMessageBox &box) {
    auto *grid = static_cast<QGridLayout *>(box.layout());
    grid->addItem(new QSpacerItem(titleWidth(box, box.windowTitle()), 0, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

void MessageBoxes::inform(QWidget *parent, const QString &title, const QString &text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    fitTitle(box);
    box.exec();
}

Dialogs::Answer MessageBoxes::ask(QWidget *parent, const QString &title, const QString &text,
                                  Answer defaultAnswer) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    // The program's own words, whatever language Qt's catalogue gives.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
    box.setDefaultButton(defaultAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    fitTitle(box);
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
    // Its layout sets the box's minimum size from the controls': the prompt spans the box.
    box.findChild<QLabel *>()->setMinimumWidth(titleWidth(box, title));
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.textValue();
}

}  // namespace volmira::platform
