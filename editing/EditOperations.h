#pragma once

#include "editing/AirportEntry.h"
#include "editing/ApproachEntry.h"
#include "editing/ComEntry.h"
#include "editing/RunwayEntry.h"
#include "platform/Result.h"
#include "store/AirportStore.h"
#include "store/Rows.h"

#include <QString>

#include <optional>

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

// The three kinds of an airport's rows the entry dialogs edit, for the code
// that handles them alike: how the store reaches their table, the dialog's
// entry, what a write of it gives, and the operations above.
template <typename Row>
struct RowKind;

template <>
struct RowKind<store::RwyRow> {
    using Entry = RunwayEntry;
    using Written = RunwayWrite;
    static constexpr auto find = &store::RowEdits::runway;
    static constexpr auto add = &store::RowEdits::addRunway;
    static constexpr auto change = &store::RowEdits::changeRunway;
    static constexpr auto remove = &store::RowEdits::deleteRunway;
    static constexpr auto list = &store::AirportReads::runways;
    static constexpr auto texts = &runwayTexts;
    static constexpr auto addEntry = &addRunway;
    static constexpr auto changeEntry = &changeRunway;
    static constexpr auto deleteEntry = &deleteRunway;
    static constexpr const char *missing = "Die Landebahn wurde nicht gefunden: sie ist nicht mehr gespeichert.";
    static const store::RwyRow &row(const RunwayWrite &written) { return written.runway; }
};

template <>
struct RowKind<store::AcomRow> {
    using Entry = ComEntry;
    using Written = store::AcomRow;
    static constexpr auto find = &store::RowEdits::frequency;
    static constexpr auto add = &store::RowEdits::addFrequency;
    static constexpr auto change = &store::RowEdits::changeFrequency;
    static constexpr auto remove = &store::RowEdits::deleteFrequency;
    static constexpr auto list = &store::AirportReads::frequencies;
    static constexpr auto texts = &comTexts;
    static constexpr auto addEntry = &addFrequency;
    static constexpr auto changeEntry = &changeFrequency;
    static constexpr auto deleteEntry = &deleteFrequency;
    static constexpr const char *missing = "Die Frequenz wurde nicht gefunden: sie ist nicht mehr gespeichert.";
    static const store::AcomRow &row(const store::AcomRow &written) { return written; }
};

template <>
struct RowKind<store::IlsRow> {
    using Entry = ApproachEntry;
    using Written = store::IlsRow;
    static constexpr auto find = &store::RowEdits::approach;
    static constexpr auto add = &store::RowEdits::addApproach;
    static constexpr auto change = &store::RowEdits::changeApproach;
    static constexpr auto remove = &store::RowEdits::deleteApproach;
    static constexpr auto list = &store::AirportReads::approaches;
    static constexpr auto texts = &approachTexts;
    static constexpr auto addEntry = &addApproach;
    static constexpr auto changeEntry = &changeApproach;
    static constexpr auto deleteEntry = &deleteApproach;
    static constexpr const char *missing = "Der Anflug wurde nicht gefunden: er ist nicht mehr gespeichert.";
    static const store::IlsRow &row(const store::IlsRow &written) { return written; }
};

// Adds a row of the entry, or with an id changes the row of that id.
template <typename Row>
[[nodiscard]] platform::Result<typename RowKind<Row>::Written> writeRow(store::AirportStore &store,
                                                                        const QString &icao,
                                                                        std::optional<long long> id,
                                                                        const typename RowKind<Row>::Entry &entry) {
    return id ? RowKind<Row>::changeEntry(store, icao, *id, entry) : RowKind<Row>::addEntry(store, icao, entry);
}

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
