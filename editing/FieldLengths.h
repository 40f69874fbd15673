#pragma once

#include "editing/Entry.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <span>

// The field-length check of the frequency and approach dialogs: each box
// carries its caption and the most characters it takes.
namespace volmira::editing {

struct BoxLimit {
    QStringView caption;  // the caption of the box's label, as the message names it
    int maximum;          // a text of exactly this many characters (store::textWidth) is accepted
};

// The first box, in index order, whose text is longer than its maximum:
// "Maximum number of characters allowed in field ( ATC Name ) is 28. - Please
// change." titled "Data error", the focus in that box. A box whose text equals
// openedWith's (the stored value, left unchanged) is not checked, so a stored
// value longer than the box takes does not block saving the row; openedWith
// may be empty (a new row).
[[nodiscard]] std::optional<EntryFailure> fieldLengthFailure(std::span<const BoxLimit> limits,
                                                             std::span<const QString> texts,
                                                             std::span<const QString> openedWith = {});

}  // namespace volmira::editing
