#include "browser/ui/MapPrintDialog.h"

#include "platform/ui/Widgets.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

namespace volmira::browser {

namespace {

QComboBox *choices(QWidget *parent, const char *name, const QStringList &items) {
    auto *box = platform::named<QComboBox>(parent, QString::fromLatin1(name));
    box->addItems(items);
    return box;
}

}  // namespace

MapPrintDialog::MapPrintDialog(bool picture, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmMapPrint"));
    setWindowTitle(QStringLiteral("Karte drucken"));
    cboPrintTarget = choices(this, "cboPrintTarget", {QStringLiteral("Drucker"), QStringLiteral("PDF-Datei")});
    // The items follow the order of Paper and PrintOrientation.
    cboPaper = choices(this, "cboPaper", {QStringLiteral("A4"), QStringLiteral("A5 (Kniebrett)"), QStringLiteral("Letter")});
    cboOrientation = choices(this, "cboOrientation",
                             {QStringLiteral("automatisch"), QStringLiteral("Hochformat"), QStringLiteral("Querformat")});
    // A PDF chart prints its current page.
    cboPart = choices(this, "cboPart", {QStringLiteral("sichtbarer Ausschnitt"), QStringLiteral("ganze Seite")});
    cboPart->setEnabled(picture);
    if (!picture) cboPart->setCurrentIndex(1);

    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("Ausgabe:"), cboPrintTarget);
    form->addRow(QStringLiteral("Papier:"), cboPaper);
    form->addRow(QStringLiteral("Ausrichtung:"), cboOrientation);
    form->addRow(QStringLiteral("Drucken:"), cboPart);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Drucken"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

bool MapPrintDialog::toPdfFile() const { return cboPrintTarget->currentIndex() == 1; }
Paper MapPrintDialog::paper() const { return Paper(cboPaper->currentIndex()); }
PrintOrientation MapPrintDialog::orientation() const { return PrintOrientation(cboOrientation->currentIndex()); }
bool MapPrintDialog::wholePage() const { return cboPart->currentIndex() == 1; }

}  // namespace volmira::browser
