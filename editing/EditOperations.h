#pragma once

#include "editing/AirportEntry.h"
#include "editing/ApproachEntry.h"
#include "editing/ComEntry.h"
#include "editing/RunwayEntry.h"
#include "platform/Result.h"
#include "store/AirportStore.h"
#include "store/Rows.h"

#include <QString>

// The writes of the entry dialogs and the editing commands. Each is one
// transaction holding the row and what follows from it, all or nothing:
// - runways: ARPT.RwyALen and RwyGLen recomputed from the airport's runways
//   (0 and 0 when the last one is deleted);
// - after an add, a change or a creation: ARPT.LastDate refreshed to the
//   newest stamp of the airport's rows, as the last-change line does;
// - after a delete: ARPT.LastDate set to today, so that the exchange file,
//   which replaces an airport with all its rows, carries the deletion.
// Rows are stamped now by the store's clock. `icao` names a stored airport in
// any letter case; rows are written under its stored code, which is never
// rewritten. A failure (no such airport or row, the file locked or read-only)
// is a German sentence, and nothing is written.
namespace volmira::editing {

// A runway as written or as it was before deletion, with the airport's
// summary lengths after the write.
struct RunwayWrite {
    store::RwyRow runway;
    int RwyALen = 0;
    int RwyGLen = 0;
};

[[nodiscard]] platform::Result<RunwayWrite> addRunway(store::AirportStore &store, const QString &icao,
                                                      const RunwayEntry &entry);
// The runway of that id, which must belong to the airport.
[[nodiscard]] platform::Result<RunwayWrite> changeRunway(store::AirportStore &store, const QString &icao,
                                                         long long id, const RunwayEntry &entry);
[[nodiscard]] platform::Result<RunwayWrite> deleteRunway(store::AirportStore &store, const QString &icao,
                                                         long long id);

[[nodiscard]] platform::Result<store::AcomRow> addFrequency(store::AirportStore &store, const QString &icao,
                                                            const ComEntry &entry);
[[nodiscard]] platform::Result<store::AcomRow> changeFrequency(store::AirportStore &store, const QString &icao,
                                                               long long id, const ComEntry &entry);
[[nodiscard]] platform::Result<store::AcomRow> deleteFrequency(store::AirportStore &store, const QString &icao,
                                                               long long id);

// The runway check and its question are the caller's, before these are called.
[[nodiscard]] platform::Result<store::IlsRow> addApproach(store::AirportStore &store, const QString &icao,
                                                          const ApproachEntry &entry);
[[nodiscard]] platform::Result<store::IlsRow> changeApproach(store::AirportStore &store, const QString &icao,
                                                             long long id, const ApproachEntry &entry);
[[nodiscard]] platform::Result<store::IlsRow> deleteApproach(store::AirportStore &store, const QString &icao,
                                                             long long id);

// A new airport of the code entry.ICAO (upper-cased, the code rule of the
// import; refused when stored already, in any case) with RwyALen = RwyGLen = 0
// and its LastDate; the row as stored.
[[nodiscard]] platform::Result<store::ArptRow> createAirport(store::AirportStore &store, const AirportEntry &entry);
// The airport's record from the entry (entry.ICAO is not used), its code,
// summary lengths and note category kept; the row as stored, LastDate included.
[[nodiscard]] platform::Result<store::ArptRow> changeAirport(store::AirportStore &store, const QString &icao,
                                                             const AirportEntry &entry);

// Whether an airport of the code is stored, in any letter case: the
// duplicate query of the airport dialog's check.
[[nodiscard]] DuplicateQuery duplicateQuery(store::AirportStore &store);

}  // namespace volmira::editing
