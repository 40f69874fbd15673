#pragma once

#include "support/TempDatabase.h"

namespace volmira::test {

// The airports the lookup and the airport window are tried on, all at 50.0 N
// 8.6 E without a LastDate: Frankfurt (FRA; three runways, two approaches, three
// frequencies), Münster ("vlp"; FMO stored with blanks around the ICAO code),
// München, Brilon (SLP, grass), Aachen (grass, then asphalt), Hohn (no rows),
// L'Aquila (Q'A) and ZZZ; the IATA code XXX names a missing airport.
void addSampleAirports(TempDatabase &t);
// One more airport like those, without rows.
void addSampleAirport(TempDatabase &t, const char *icao, const QString &name, const char *type);
// Fails the test with the message of a write that failed.
void expectOk(const QString &error);

}  // namespace volmira::test
