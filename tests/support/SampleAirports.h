#pragma once

#include "support/TempDatabase.h"

namespace volmira::test {

// The airports the lookup and the airport window are tried on: Frankfurt
// (three asphalt runways, two approaches, three frequencies, IATA FRA),
// Münster (category "vlp", IATA FMO stored with blanks around the ICAO code),
// München, Brilon (SLP, one grass runway, one frequency), Aachen (grass, then
// asphalt), Hohn (the window's designer code, no rows), L'Aquila (IATA Q'A)
// and ZZZ; the IATA code XXX names a missing airport. All lie at 50.0 N 8.6 E,
// where the sunrise example is worked, and have no LastDate yet.
void addSampleAirports(TempDatabase &t);
// One more airport like those, without rows.
void addSampleAirport(TempDatabase &t, const char *icao, const QString &name, const char *type);
// Fails the test with the message of a write that failed.
void expectOk(const QString &error);

}  // namespace volmira::test
