#pragma once

#include "store/AirportFilter.h"
#include "store/Tables.h"

#include <array>
#include <string>

// The statements of the database manager's list and deletion, named so that
// the benchmarks time the very same text on a bare connection.
namespace volmira::store::sql {

// The filtered airport list: the codes from ?1, the prefix, up to ?2, the
// prefix followed by the highest character, which takes every code that begins
// with the prefix literally and lets the ICAO index serve the range (this
// engine uses no index for LIKE with ESCAPE); ?3 the minimum length, present
// only when the surface condition uses it.
[[nodiscard]] std::string airportList(SurfaceFilter surface, TypeFilter type);
[[nodiscard]] bool usesMinLength(SurfaceFilter surface);
// The filter's conditions on ARPT, each begun with " AND ": the minimum length
// is ?3, used only when usesMinLength.
[[nodiscard]] std::string filterConditions(SurfaceFilter surface, TypeFilter type);

// The airports changed after ?1, the database date as stored dates are written.
// Without statistics the engine would walk all airports in code order to spare
// the sort; the few changed ones are found by their date and sorted.
inline const std::string kChangedAirports =
    arptTable().select("INDEXED BY ARPT_LastDate WHERE LastDate > ? ORDER BY ICAO");

// Deleting an airport, in the order the rows go: what hangs on the airport,
// then the airport row. ?1 the stored code.
struct DeleteStep {
    const char *table;
    const char *sql;
};
inline constexpr std::array<DeleteStep, 7> kDeleteAirport{{
    {"RWY", "DELETE FROM RWY WHERE ICAO = ?1"},
    {"ACOM", "DELETE FROM ACOM WHERE ICAO = ?1"},
    {"ILS", "DELETE FROM ILS WHERE ICAO = ?1"},
    {"MyInfo", "DELETE FROM MyInfo WHERE ICAO = ?1"},
    {"MAPDATA", "DELETE FROM MAPDATA WHERE ICAO = ?1"},
    {"SearchName", "DELETE FROM SearchName WHERE ICAO = ?1"},
    {"ARPT", "DELETE FROM ARPT WHERE ICAO = ?1"},
}};

}  // namespace volmira::store::sql
