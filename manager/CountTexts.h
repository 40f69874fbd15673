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

// After an export or a send: "1 Flughafen mit 1 Datensatz nach FILE
// geschrieben.", "N Flughäfen mit M Datensätzen nach FILE geschrieben.".
[[nodiscard]] QString exportWrittenText(qint64 airports, qint64 records, const QString &file);

}  // namespace volmira::manager
