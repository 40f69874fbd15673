#pragma once

#include "editing/Entry.h"

// The failure of an entry dialog's check; box -2 when the entry was accepted.
template <typename Entry>
volmira::editing::EntryFailure failureOf(const volmira::editing::Checked<Entry> &checked) {
    const auto *failure = std::get_if<volmira::editing::EntryFailure>(&checked);
    return failure ? *failure : volmira::editing::EntryFailure{{}, {}, -2};
}
