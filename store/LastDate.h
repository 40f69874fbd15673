#pragma once

#include "platform/Result.h"
#include "store/AirportStore.h"
#include "store/Rows.h"

#include <QString>

#include <optional>
#include <vector>

// ARPT.LastDate keeps the day of an airport's newest change, for the database
// manager's list of changed airports; every write of an airport's rows and
// every lookup keep it current by the same rule.
namespace volmira::store {

// The newest of the stamps by Date, then Time; of equal ones the first in the
// given order (RWY, COM, Approach, Flughafen, Info Kategorie). Stamps without a
// readable Date are skipped.
[[nodiscard]] std::optional<ChangeStamp> newestChange(const std::vector<ChangeStamp> &stamps);

// The LastDate the stamps give: the newest one's day as "YYYY-MM-DD"; empty
// when no stamp has a readable Date.
[[nodiscard]] QString lastDateOf(const std::vector<ChangeStamp> &stamps);

// Writes lastDate into ARPT.LastDate unless it is empty or not later than
// storedLastDate (dates "YYYY-MM-DD" compare as text): a deleted row sets
// LastDate to its day, and the next lookup must not take that back, or the
// deletion would never be sent.
[[nodiscard]] platform::Result<> storeLastDate(AirportStore &store, const QString &icao, const QString &lastDate,
                                               const QString &storedLastDate = QString());

// Reads the airport's stamps and stores their LastDate by the same rule; what
// an edit runs after writing a row.
[[nodiscard]] platform::Result<> refreshLastDate(AirportStore &store, const QString &icao,
                                                 const QString &storedLastDate);

}  // namespace volmira::store
