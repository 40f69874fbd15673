#pragma once

#include <QString>

namespace volmira::store {

// The one place where a result code of the database engine becomes a German
// sentence saying what happened; the engine's own English text never reaches
// the user. `path` names the data file in the sentences that speak of it.
[[nodiscard]] QString engineMessage(int code, const QString &path);

}  // namespace volmira::store
