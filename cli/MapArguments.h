#pragma once

#include "cli/Session.h"

#include <QString>

#include <optional>

// The arguments the map commands share: the airport and the slot.
namespace volmira::cli {

// The slot of a NUMBER argument, 0 to 9; nothing after printing why not.
[[nodiscard]] std::optional<int> slotNumber(const QString &text);

// The ICAO code of the airport as the lookup finds it; prints why there is none.
[[nodiscard]] std::optional<QString> airportCode(Session &session, const QString &code, int &exit);

}  // namespace volmira::cli
