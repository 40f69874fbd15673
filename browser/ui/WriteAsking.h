#pragma once

#include "editing/Entry.h"
#include "platform/Dialogs.h"
#include "store/Stamp.h"

#include <optional>
#include <variant>

namespace volmira::browser {

// Runs a write prepared from the row `loaded` (nothing for a new one). When
// another program changed that row meanwhile, asks whether to write all the
// same; Enter keeps the other program's row. "Ja" writes over the row as now
// stored, asking again should it change once more. Gives the last write's
// outcome: written, a failure, or the stored row after "Nein" (nothing when
// it was deleted, which is never asked about).
template <typename Row, typename Write>
auto writeAsking(QWidget *parent, platform::Dialogs &dialogs, std::optional<Row> loaded, Write write)
    -> decltype(write(loaded)) {
    for (;;) {
        auto outcome = write(loaded);
        const auto *other = outcome ? std::get_if<store::Meanwhile<Row>>(&*outcome) : nullptr;
        if (!other || !other->stored ||
            dialogs.ask(parent, editing::kApplicationTitle.toString(), store::kChangedMeanwhileQuestion.toString(),
                        platform::Dialogs::Answer::No) != platform::Dialogs::Answer::Yes)
            return outcome;
        loaded = other->stored;
    }
}

}  // namespace volmira::browser
