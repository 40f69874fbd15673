#pragma once

#include "store/Database.h"
#include "store/Rows.h"

// Reading typed rows from a statement whose columns, from `first` on, are those
// of the table in the order of the statements in Statements.h. Null texts stay
// null, apart from the empty text.
namespace volmira::store {

// ICAO, Name, COORDINATES, WGS_DLAT, WGS_DLONG, ELEV, PR, MAG_VAR, RwyALen, RwyGLen, Type, Date, Time, LastDate, LastKat
[[nodiscard]] ArptRow readAirport(const Statement &s, int first = 0);
// id, ICAO, RWY, RwyLow, RwyHigh, RWYHDG, SLOPE, Length, Width, SURFACE, Date, Time
[[nodiscard]] RwyRow readRunway(const Statement &s, int first = 0);
// id, ICAO, Name, FREQ, Date, Time
[[nodiscard]] AcomRow readFrequency(const Statement &s, int first = 0);
// id, ICAO, RWY, ILS_FREQ, ILS_IDENT, ILS_GS, OM_FREQ, OM_IDENT, Date, Time
[[nodiscard]] IlsRow readApproach(const Statement &s, int first = 0);
// id, ICAO, Category, MyInfo, PrintInfo, Date, Time
[[nodiscard]] MyInfoRow readNote(const Statement &s, int first = 0);

}  // namespace volmira::store
