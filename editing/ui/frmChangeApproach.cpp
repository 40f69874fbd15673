#include "editing/ui/frmChangeApproach.h"

#include "editing/ui/DialogControls.h"
#include "platform/ui/Widgets.h"

#include <QLineEdit>

namespace volmira::editing {

frmChangeApproach::frmChangeApproach(platform::Dialogs &dialogs, QWidget *parent)
    : EntryDialog(dialogs, QStringLiteral("frmChangeApproach"), parent) {
    int widths[kApproachBoxCount];
    std::fill(std::begin(widths), std::end(widths), 1000);
    boxRow(this, "lblApproach", "tApproach", kApproachLimits, widths, lblApproach, tApproach);
    for (QLineEdit *box : tApproach) entryBox(box);
    finishControls(4320, 960);
    setFixedSize(platform::toPixels({6960}), platform::toPixels({1560}));
}

void frmChangeApproach::fill(const ApproachTexts &texts, const QString &title) {
    for (int i = 0; i < kApproachBoxCount; ++i) tApproach[i]->setText(texts.tApproach[i]);
    openedWith_ = texts;
    setWindowTitle(title);
}

void frmChangeApproach::cmdOk_Click() {
    ApproachTexts texts;
    for (int i = 0; i < kApproachBoxCount; ++i) texts.tApproach[i] = tApproach[i]->text();
    acceptChecked(ValidateApproach(texts, openedWith_), entry_);
}

QWidget *frmChangeApproach::box(int index) const {
    return index >= 0 && index < kApproachBoxCount ? tApproach[index] : nullptr;
}

}  // namespace volmira::editing
