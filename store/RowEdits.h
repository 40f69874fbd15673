#pragma once

#include "platform/Result.h"
#include "store/Database.h"
#include "store/Rows.h"

#include <optional>

namespace volmira::store {

// Single rows written by the entry dialogs and the editing commands: a runway,
// frequency or approach added, changed or deleted by its id, an airport created
// or changed by its code. Each is one statement; the editing operations put them
// into one transaction with the summary lengths and the last-change date.
class RowEdits {
public:
    explicit RowEdits(Database &db) : db_(db) {}

    // The row of that id; nothing when there is none.
    [[nodiscard]] platform::Result<std::optional<RwyRow>> runway(long long id);
    [[nodiscard]] platform::Result<std::optional<AcomRow>> frequency(long long id);
    [[nodiscard]] platform::Result<std::optional<IlsRow>> approach(long long id);

    // Inserts every column of the row but its id; the new row's id.
    [[nodiscard]] platform::Result<long long> addRunway(const RwyRow &row);
    [[nodiscard]] platform::Result<long long> addFrequency(const AcomRow &row);
    [[nodiscard]] platform::Result<long long> addApproach(const IlsRow &row);

    // Overwrites the columns after ICAO of the row of row.id (ICAO is never
    // rewritten); false when there is no such row.
    [[nodiscard]] platform::Result<bool> changeRunway(const RwyRow &row);
    [[nodiscard]] platform::Result<bool> changeFrequency(const AcomRow &row);
    [[nodiscard]] platform::Result<bool> changeApproach(const IlsRow &row);

    // False when there is no such row.
    [[nodiscard]] platform::Result<bool> deleteRunway(long long id);
    [[nodiscard]] platform::Result<bool> deleteFrequency(long long id);
    [[nodiscard]] platform::Result<bool> deleteApproach(long long id);

    // Overwrites the columns from Name to Time (RwyALen and RwyGLen among them)
    // of the airport row.ICAO names, in any case; ICAO, LastDate and LastKat
    // stay. False when there is none.
    [[nodiscard]] platform::Result<bool> changeAirport(const ArptRow &row);
    [[nodiscard]] platform::Result<> setRunwayLengths(const QString &icao, int asphalt, int grass);

    // Whether an airport of this code is stored, in any letter case.
    [[nodiscard]] platform::Result<bool> airportExists(const QString &icao);

private:
    Database &db_;
};

}  // namespace volmira::store
