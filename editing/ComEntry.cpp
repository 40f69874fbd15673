#include "editing/ComEntry.h"

namespace volmira::editing {

Checked<ComEntry> ValidateCom(const ComTexts &texts, const ComTexts &openedWith) {
    if (std::optional<EntryFailure> failure = fieldLengthFailure(kComLimits, texts.tCom, openedWith.tCom))
        return *std::move(failure);
    return ComEntry{texts.tCom[0], texts.tCom[1]};
}

ComTexts comTexts(const store::AcomRow &row) { return {{row.Name, row.FREQ}}; }

}  // namespace volmira::editing
