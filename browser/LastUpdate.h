#pragma once

#include "store/AirportStore.h"
#include "store/Rows.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// The last-change line: the main window's title names the airport and its
// newest change, and ARPT.LastDate keeps that change's date for the database
// manager's list of changed airports.
namespace volmira::browser {

// The main window's title while no airport is shown.
inline constexpr QStringView kNoAirportTitle = u"Volmira APT";

struct LastUpdate {
    QString title;     // the main window's title
    QString lastDate;  // YYYY-MM-DD; empty when the airport has no dated row
};

// The newest of the stamps by Date, then Time; of equal ones the first in the
// given order (RWY, COM, Approach, Flughafen, Info Kategorie). Stamps without a
// readable Date are skipped.
[[nodiscard]] std::optional<store::ChangeStamp> newestChange(const std::vector<store::ChangeStamp> &stamps);

// "Volmira EDDF" + 27 blanks + "Letzte Aktualisierung - RWY Info - 07 Aug 26";
// without any dated row the line ends in "Letzte Aktualisierung - ---".
[[nodiscard]] LastUpdate lastUpdate(const QString &icao, const std::vector<store::ChangeStamp> &stamps);

// Reads the airport's stamps; writes nothing (the command line uses this).
[[nodiscard]] platform::Result<LastUpdate> readLastUpdate(store::AirportStore &store, const QString &icao);

// Writes update.lastDate into ARPT.LastDate unless it is empty or not later
// than storedLastDate (dates "YYYY-MM-DD" compare as text): a deleted row sets
// LastDate to its day, and the next lookup must not take that back, or the
// deletion would never be sent.
[[nodiscard]] platform::Result<> storeLastDate(store::AirportStore &store, const QString &icao,
                                               const LastUpdate &update, const QString &storedLastDate = QString());

}  // namespace volmira::browser
