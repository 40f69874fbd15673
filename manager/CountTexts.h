#pragma once

#include <QString>

// The counts the database manager shows over its lists, shared with the
// command line.
namespace volmira::manager {

// Over the airport list: "1 Flughafen", else "N Flughäfen" (also for 0).
[[nodiscard]] QString airportCountText(qint64 count);

// Under the country list: "Insgesamt N Flughäfen".
[[nodiscard]] QString totalAirportsText(qint64 count);

// Over the list of changed airports: "Keine aktualisierten Daten vorhanden",
// "1 aktualisierter Flugplatz vorhanden", "N aktualisierte Flugplätze vorhanden".
[[nodiscard]] QString changedAirportsText(qint64 count);

}  // namespace volmira::manager
