#pragma once

#include "platform/Clock.h"
#include "store/Database.h"
#include "store/Rows.h"
#include "store/Stamp.h"

namespace volmira::store {

// Writes to the airport tables and the version row.
class AirportEdits {
public:
    AirportEdits(Database &db, const platform::Clock &clock) : db_(db), clock_(clock) {}

    // The stamp a row changed now gets.
    [[nodiscard]] Stamp now() const { return stampNow(clock_); }

    [[nodiscard]] platform::Result<> setLastDate(const QString &icao, const QString &date);

    // Plain inserts that keep the row's own Date and Time (building and importing data).
    [[nodiscard]] platform::Result<> insertAirport(const ArptRow &row);
    // Overwrites the airport row of the same code with the row's columns up to
    // Time, clearing LastDate and keeping LastKat; inserts it when there is none.
    [[nodiscard]] platform::Result<> replaceAirport(const ArptRow &row);
    [[nodiscard]] platform::Result<> insertRunway(const RwyRow &row);
    [[nodiscard]] platform::Result<> insertFrequency(const AcomRow &row);
    [[nodiscard]] platform::Result<> insertApproach(const IlsRow &row);
    [[nodiscard]] platform::Result<> insertAirportCode(const AirportCodeRow &row);
    [[nodiscard]] platform::Result<> insertCountry(const IcaoCodeRow &row);

    [[nodiscard]] platform::Result<> setVersion(const VersionRow &row);
    // Writes the running program's version into the Version row (made when missing).
    [[nodiscard]] platform::Result<> setProgramVersion(const QString &programVersion);
    // Writes the version of the installed airport data (made when missing).
    [[nodiscard]] platform::Result<> setDatabaseVersion(const QString &databaseVersion);

private:
    Database &db_;
    const platform::Clock &clock_;
};

}  // namespace volmira::store
