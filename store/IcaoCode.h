#pragma once

#include "platform/Result.h"

#include <QString>

namespace volmira::store {

// The one rule for an airport's ICAO code, for every place that takes one in:
// blanks around it dropped and letters upper-cased, then 1 to 10 of A-Z, 0-9
// and '-', but not exactly 3 characters, which the lookup reads as an IATA
// code. Gives the code in that form, or a German sentence saying why not.
[[nodiscard]] platform::Result<QString> checkedIcaoCode(const QString &text);

}  // namespace volmira::store
