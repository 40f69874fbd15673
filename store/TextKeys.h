#pragma once

#include <QString>

namespace volmira::store {

// Case-folded form of a name for the quick-find: "Ä" and "ä" fold alike.
[[nodiscard]] QString foldName(const QString &name);

// Key that sorts names the way a German reader expects: without regard to
// case, umlauts beside their base letter (Ä as A, ß as ss).
[[nodiscard]] QString germanSortKey(const QString &name);

}  // namespace volmira::store
