#pragma once

#include "store/Tables.h"

#include <string>

// The statements the lookup, the name quick-find, the country list and the
// category changes run,
// named so that the benchmarks time the very same text on a bare connection.
// The row reads are built from the tables' column lists at start-up.
namespace volmira::store::sql {

inline const std::string kAirportByIcao = arptTable().select("WHERE ICAO = ?");
inline const std::string kRunways = rwyTable().select("WHERE ICAO = ? ORDER BY RWY COLLATE NOCASE ASC, id");
inline const std::string kFrequencies = acomTable().select("WHERE ICAO = ? ORDER BY Name COLLATE NOCASE ASC, CAST(FREQ AS REAL), id");
inline const std::string kApproaches = ilsTable().select("WHERE ICAO = ? ORDER BY RWY COLLATE NOCASE ASC, id");
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
// The quick find: the names that begin with a text, each with its city and
// country (Source 1: the city); in a file of an older format read as it is,
// without the city.
inline const std::string kCity = "(SELECT c.Name FROM SearchName c WHERE c.ICAO = a.ICAO AND c.Source = 1 LIMIT 1)";
inline const std::string kCountry = "(SELECT k.Name FROM ICAOCODE k WHERE k.ICAO = substr(a.ICAO, 1, 2) LIMIT 1)";
// The names in the German order, from row ?4 on, at most ?3 (-1: all): the
// index of the names holds the order, so the engine sorts the matching
// entries without reading their rows, and reads city and country for the rows
// given only. Equal keys in the names' code-point order, then by code.
inline const std::string kNamePage =
    " FROM (SELECT rowid AS r, SortKey AS k, Name AS n, ICAO AS i FROM ARPT WHERE NameKey >= ?1 AND NameKey < ?2 "
    "ORDER BY k, n COLLATE BINARY, i LIMIT ?3 OFFSET ?4) p CROSS JOIN ARPT a ON a.rowid = p.r "
    "ORDER BY p.k, p.n COLLATE BINARY, p.i";
inline const std::string kNamePrefix = "SELECT a.Name, a.ICAO, " + kCity + ", " + kCountry + kNamePage;
inline const std::string kNamePrefixWithoutCity = "SELECT a.Name, a.ICAO, NULL, " + kCountry + kNamePage;
inline constexpr const char *kHasTable = "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?1";
// Then the airports of the search names of sources ?3 to ?4 that begin with
// the text ?1 to ?2, in the order of the names matched, at most ?5 rows, but
// none whose name begins with the typed text (?6 to ?7), which the names list
// already. The search names lead, in their key's order, so that the engine
// stops after ?5 rows whatever the bound values.
inline const std::string kSearchNamePrefix =
    "SELECT a.Name, a.ICAO, " + kCity + ", " + kCountry +
    ", s.Source FROM SearchName s INDEXED BY SearchName_Key CROSS JOIN ARPT a ON a.ICAO = s.ICAO "
    "WHERE s.Key >= ?1 AND s.Key < ?2 AND s.Source BETWEEN ?3 AND ?4 AND NOT (a.NameKey >= ?6 AND a.NameKey < ?7) "
    "ORDER BY s.Key, s.ICAO LIMIT ?5";
inline constexpr const char *kCountries =
    "SELECT p, n, (SELECT Name FROM ICAOCODE WHERE ICAOCODE.ICAO = p LIMIT 1) FROM "
    "(SELECT upper(substr(ICAO, 1, 2)) AS p, count(*) AS n FROM ARPT GROUP BY 1)";

// An airport's map links, slots 0 to 9 only.
inline const std::string kMapLinks =
    mapDataTable().select("WHERE ICAO = ?1 AND Number BETWEEN 0 AND 9 ORDER BY Number, id");

// The notes of an airport, and every category with whether the airport holds a
// non-empty note in it: PrintInfo <> '' leaves NULL and empty notes unmarked
// and marks a note of blanks. The notes come in the order of their ids, which
// the index on (ICAO, Category) does not give: sorting whole rows would copy
// every note several times over, so only the ids are sorted, and the rows are
// read in that order.
inline const std::string kNotesOfAirport =
    myInfoTable().select("WHERE id IN (SELECT id FROM MyInfo WHERE ICAO = ?) ORDER BY id");
// Category names compare in UNICASE (see addCollations): without regard to
// case for every letter, where the columns' NOCASE folds ASCII only.
inline constexpr const char *kCategoryMarks =
    "SELECT c.Category, EXISTS (SELECT 1 FROM MyInfo i WHERE i.ICAO = ?1 AND i.Category = c.Category COLLATE UNICASE "
    "AND i.PrintInfo <> '') FROM MyCategory c ORDER BY c.id";
// A category's change at every airport: ?1 the new name, ?2 the old one.
inline constexpr const char *kRenameNotes = "UPDATE MyInfo SET Category = ?1 WHERE Category = ?2 COLLATE UNICASE";
inline constexpr const char *kRenameCategory =
    "UPDATE MyCategory SET Category = ?1 WHERE Category = ?2 COLLATE UNICASE";
// The category remembered for the note panel, marked "*" or not, keeps its mark.
inline constexpr const char *kRenameLastKat =
    "UPDATE ARPT SET LastKat = CASE WHEN substr(LastKat, 1, 1) = '*' THEN '*' || ?1 ELSE ?1 END "
    "WHERE LastKat COLLATE UNICASE IN (?2, '*' || ?2)";
inline constexpr const char *kDeleteNotes = "DELETE FROM MyInfo WHERE Category = ?1 COLLATE UNICASE";
inline constexpr const char *kDeleteCategory = "DELETE FROM MyCategory WHERE Category = ?1 COLLATE UNICASE";

}  // namespace volmira::store::sql
