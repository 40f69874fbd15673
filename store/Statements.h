#pragma once

// The statements the lookup, the name quick-find and the country list run,
// named so that the benchmarks time the very same text on a bare connection.
namespace volmira::store::sql {

inline constexpr const char *kAirportByIcao =
    "SELECT ICAO, Name, COORDINATES, WGS_DLAT, WGS_DLONG, ELEV, PR, MAG_VAR, RwyALen, RwyGLen, Type, Date, Time, "
    "LastDate, LastKat FROM ARPT WHERE ICAO = ?";
inline constexpr const char *kRunways =
    "SELECT id, ICAO, RWY, RwyLow, RwyHigh, RWYHDG, SLOPE, Length, Width, SURFACE, Date, Time "
    "FROM RWY WHERE ICAO = ? ORDER BY RWY COLLATE NOCASE ASC, id";
inline constexpr const char *kFrequencies =
    "SELECT id, ICAO, Name, FREQ, Date, Time FROM ACOM WHERE ICAO = ? "
    "ORDER BY Name COLLATE NOCASE ASC, CAST(FREQ AS REAL), id";
inline constexpr const char *kApproaches =
    "SELECT id, ICAO, RWY, ILS_FREQ, ILS_IDENT, ILS_GS, OM_FREQ, OM_IDENT, Date, Time "
    "FROM ILS WHERE ICAO = ? ORDER BY RWY COLLATE NOCASE ASC, id";
// One statement instead of five: the newest row of each table of an airport.
inline constexpr const char *kChangeStamps =
    "SELECT * FROM (SELECT 1, 'RWY Info', Date, Time FROM RWY WHERE ICAO = ?1 "
    "ORDER BY Date DESC, Time DESC LIMIT 1) "
    "UNION ALL SELECT * FROM (SELECT 2, 'COM Info', Date, Time FROM ACOM WHERE ICAO = ?1 "
    "ORDER BY Date DESC, Time DESC LIMIT 1) "
    "UNION ALL SELECT * FROM (SELECT 3, 'Approach Info', Date, Time FROM ILS WHERE ICAO = ?1 "
    "ORDER BY Date DESC, Time DESC LIMIT 1) "
    "UNION ALL SELECT * FROM (SELECT 4, 'Flughafen Info', Date, Time FROM ARPT WHERE ICAO = ?1 "
    "ORDER BY Date DESC, Time DESC LIMIT 1) "
    "UNION ALL SELECT * FROM (SELECT 5, 'Info Kategorie: ' || coalesce(Category, ''), Date, Time FROM MyInfo "
    "WHERE ICAO = ?1 ORDER BY Date DESC, Time DESC LIMIT 1) "
    "ORDER BY 1";
inline constexpr const char *kNamePrefix = "SELECT Name, ICAO FROM ARPT WHERE NameKey >= ?1 AND NameKey < ?2";
inline constexpr const char *kCountries =
    "SELECT p, n, (SELECT Name FROM ICAOCODE WHERE ICAOCODE.ICAO = p LIMIT 1) FROM "
    "(SELECT upper(substr(ICAO, 1, 2)) AS p, count(*) AS n FROM ARPT GROUP BY 1)";

}  // namespace volmira::store::sql
