#pragma once

#include "platform/Result.h"
#include "store/AirportFilter.h"
#include "store/Database.h"
#include "store/Rows.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace volmira::store {

// The lists of the database manager and the command line: countries, codes,
// changed airports, counts, the version row. Failures as in AirportReads.
class AirportLists {
public:
    explicit AirportLists(Database &db) : db_(db) {}

    // Country prefixes with their airport counts, in name order; a prefix without
    // an ICAOCODE row is named "Kein Land gefunden".
    [[nodiscard]] platform::Result<std::vector<CountryRow>> countries();
    [[nodiscard]] platform::Result<int> airportCount();
    // The airports whose code begins with `prefix` (taken literally, any letter
    // case; "%" and "_" are no wildcards) and that pass the filter, every ARPT
    // column, in code order. One statement, which the ICAO index serves.
    [[nodiscard]] platform::Result<std::vector<ArptRow>> airportList(const QString &prefix,
                                                                     const AirportFilter &filter);
    // Every airport code, in code order.
    [[nodiscard]] platform::Result<QStringList> airportCodes();
    // The airports changed after the database date (LastDate later than
    // DatabaseVersion read as a date), in code order. With no readable
    // database date, every airport that has a LastDate.
    [[nodiscard]] platform::Result<std::vector<ArptRow>> changedAirports();
    [[nodiscard]] platform::Result<std::optional<VersionRow>> version();

private:
    Database &db_;
};

}  // namespace volmira::store
