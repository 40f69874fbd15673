#pragma once

#include "store/Tables.h"

#include <string>

// The statements of the printed airport list, named so that the benchmarks
// time the very same text on a bare connection. Each reads one table for the
// whole list at once: ?1 the prefix, ?2 the prefix followed by the highest
// character, as the airport list takes its codes, so that the ICAO index
// serves the range; rows come by airport code, then in stored order.
namespace volmira::store::sql {

inline const std::string kReportRunways = rwyTable().select("WHERE ICAO >= ?1 AND ICAO < ?2 ORDER BY ICAO, id");
inline const std::string kReportApproaches = ilsTable().select("WHERE ICAO >= ?1 AND ICAO < ?2 ORDER BY ICAO, id");
inline const std::string kReportFrequencies =
    acomTable().select("WHERE ICAO >= ?1 AND ICAO < ?2 ORDER BY ICAO, id");
// ?3 the category whose notes the list prints.
inline const std::string kReportContacts =
    myInfoTable().select("WHERE ICAO >= ?1 AND ICAO < ?2 AND Category = ?3 ORDER BY ICAO, id");

inline constexpr const char *kClearRwyRoute = "DELETE FROM RwyRoute";
inline constexpr const char *kRwyRouteCount = "SELECT count(*) FROM RwyRoute";
inline const std::string kFillRwyRoute = rwyRouteTable().insert();
inline const std::string kReadRwyRoute = rwyRouteTable().select("ORDER BY \"Index\", rowid");

}  // namespace volmira::store::sql
