#include "editing/ui/frmChangeCom.h"

#include "editing/ui/DialogControls.h"
#include "platform/ui/Widgets.h"

#include <QLineEdit>

namespace volmira::editing {

frmChangeCom::frmChangeCom(platform::Dialogs &dialogs, QWidget *parent)
    : EntryDialog(dialogs, QStringLiteral("frmChangeCom"), parent) {
    const int widths[kComBoxCount] = {3600, 2520};
    boxRow(this, "lblCom", "tCom", kComLimits, widths, lblCom, tCom);
    for (QLineEdit *box : tCom) entryBox(box);
    finishControls(3720, 960);
    setFixedSize(platform::toPixels({6360}), platform::toPixels({1560}));
}

void frmChangeCom::fill(const ComTexts &texts, const QString &title) {
    for (int i = 0; i < kComBoxCount; ++i) tCom[i]->setText(texts.tCom[i]);
    openedWith_ = texts;
    setWindowTitle(title);
}

void frmChangeCom::cmdOk_Click() {
    ComTexts texts;
    for (int i = 0; i < kComBoxCount; ++i) texts.tCom[i] = tCom[i]->text();
    acceptChecked(ValidateCom(texts, openedWith_), entry_);
}

QWidget *frmChangeCom::box(int index) const { return index >= 0 && index < kComBoxCount ? tCom[index] : nullptr; }

}  // namespace volmira::editing
