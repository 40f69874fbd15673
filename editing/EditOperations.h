#pragma once

#include "editing/AirportEntry.h"
#include "editing/ApproachEntry.h"
#include "editing/ComEntry.h"
#include "editing/RunwayEntry.h"
#include "platform/Result.h"
#include "store/AirportStore.h"
#include "store/Rows.h"
#include "store/Stamp.h"

#include <QString>

#include <optional>
#include <type_traits>

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
// rewritten. A failure (no such airport: store::airportGoneMessage; the file
// locked or read-only) is a German sentence, and nothing is written.
//
// A change or a delete names the row it was prepared from by its id and the
// stamp it had then (`loaded`). In the same transaction that would write, the
// stored row is compared with it: when another program changed or deleted it
// meanwhile, the operation gives store::Meanwhile (the row as stored now, or
// nothing) and writes nothing. An add never meets one.
namespace volmira::editing {

// What a write gives: the write, or the row as another program left it.
template <typename Written, typename Row>
using WriteOutcome = platform::Result<store::Guarded<Written, Row>>;

// Why nothing was written for a row another program deleted meanwhile, so
// that it is not made again unseen.
template <typename Row>
[[nodiscard]] QString vanishedMessage();

// A runway as written or as it was before deletion, with the airport's
// summary lengths after the write.
struct RunwayWrite {
    store::RwyRow runway;
    int RwyALen = 0;
    int RwyGLen = 0;
};

using RunwayOutcome = WriteOutcome<RunwayWrite, store::RwyRow>;
using FrequencyOutcome = WriteOutcome<store::AcomRow, store::AcomRow>;
using ApproachOutcome = WriteOutcome<store::IlsRow, store::IlsRow>;

[[nodiscard]] RunwayOutcome addRunway(store::AirportStore &store, const QString &icao, const RunwayEntry &entry);
// The runway of that id, which must belong to the airport (a row of another
// airport counts as deleted).
[[nodiscard]] RunwayOutcome changeRunway(store::AirportStore &store, const QString &icao, long long id,
                                         const store::Stamp &loaded, const RunwayEntry &entry);
[[nodiscard]] RunwayOutcome deleteRunway(store::AirportStore &store, const QString &icao, long long id,
                                         const store::Stamp &loaded);

[[nodiscard]] FrequencyOutcome addFrequency(store::AirportStore &store, const QString &icao, const ComEntry &entry);
[[nodiscard]] FrequencyOutcome changeFrequency(store::AirportStore &store, const QString &icao, long long id,
                                               const store::Stamp &loaded, const ComEntry &entry);
[[nodiscard]] FrequencyOutcome deleteFrequency(store::AirportStore &store, const QString &icao, long long id,
                                               const store::Stamp &loaded);

// The runway check and its question are the caller's, before these are called.
[[nodiscard]] ApproachOutcome addApproach(store::AirportStore &store, const QString &icao,
                                          const ApproachEntry &entry);
[[nodiscard]] ApproachOutcome changeApproach(store::AirportStore &store, const QString &icao, long long id,
                                             const store::Stamp &loaded, const ApproachEntry &entry);
[[nodiscard]] ApproachOutcome deleteApproach(store::AirportStore &store, const QString &icao, long long id,
                                             const store::Stamp &loaded);

// The three kinds of an airport's rows the entry dialogs edit, for the code
// that handles them alike: how the store reaches their table, the dialog's
// entry, what a write of it gives, and the operations above.
template <typename Row>
struct RowKind;

// The traits of one kind: the store's row operations and list, the texts a
// stored row fills the dialog with, and the operations above.
template <typename EntryType, typename WrittenType, auto Find, auto Add, auto Change, auto Remove, auto List,
          auto Texts, auto AddEntry, auto ChangeEntry, auto DeleteEntry>
struct RowKindTraits {
    using Entry = EntryType;
    using Written = WrittenType;
    static constexpr auto find = Find;
    static constexpr auto add = Add;
    static constexpr auto change = Change;
    static constexpr auto remove = Remove;
    static constexpr auto list = List;
    static constexpr auto texts = Texts;
    static constexpr auto addEntry = AddEntry;
    static constexpr auto changeEntry = ChangeEntry;
    static constexpr auto deleteEntry = DeleteEntry;
    // The row a write gave.
    static const auto &row(const Written &written) {
        if constexpr (std::is_same_v<Written, RunwayWrite>) return written.runway;
        else return written;
    }
};

template <>
struct RowKind<store::RwyRow>
    : RowKindTraits<RunwayEntry, RunwayWrite, &store::RowEdits::runway, &store::RowEdits::addRunway,
                    &store::RowEdits::changeRunway, &store::RowEdits::deleteRunway, &store::AirportReads::runways,
                    &runwayTexts, &addRunway, &changeRunway, &deleteRunway> {};
template <>
struct RowKind<store::AcomRow>
    : RowKindTraits<ComEntry, store::AcomRow, &store::RowEdits::frequency, &store::RowEdits::addFrequency,
                    &store::RowEdits::changeFrequency, &store::RowEdits::deleteFrequency,
                    &store::AirportReads::frequencies, &comTexts, &addFrequency, &changeFrequency, &deleteFrequency> {};
template <>
struct RowKind<store::IlsRow>
    : RowKindTraits<ApproachEntry, store::IlsRow, &store::RowEdits::approach, &store::RowEdits::addApproach,
                    &store::RowEdits::changeApproach, &store::RowEdits::deleteApproach, &store::AirportReads::approaches,
                    &approachTexts, &addApproach, &changeApproach, &deleteApproach> {};

// Adds a row of the entry, or changes the row it was loaded from: the row of
// that id, as long as it still carries the loaded row's stamp.
template <typename Row>
[[nodiscard]] WriteOutcome<typename RowKind<Row>::Written, Row> writeRow(store::AirportStore &store,
                                                                         const QString &icao,
                                                                         const std::optional<Row> &loaded,
                                                                         const typename RowKind<Row>::Entry &entry) {
    if (!loaded) return RowKind<Row>::addEntry(store, icao, entry);
    return RowKind<Row>::changeEntry(store, icao, loaded->id, store::stampOf(*loaded), entry);
}

// A new airport of the code entry.ICAO (upper-cased, the code rule of the
// import; refused when stored already, in any case) with RwyALen = RwyGLen = 0
// and its LastDate; the row as stored.
[[nodiscard]] platform::Result<store::ArptRow> createAirport(store::AirportStore &store, const AirportEntry &entry);
// The airport's record from the entry (entry.ICAO is not used), its code,
// summary lengths and note category kept; the row as stored, LastDate included.
// Only while the record carries the stamp it was loaded with.
[[nodiscard]] WriteOutcome<store::ArptRow, store::ArptRow> changeAirport(store::AirportStore &store,
                                                                        const QString &icao,
                                                                        const store::Stamp &loaded,
                                                                        const AirportEntry &entry);

// Whether an airport of the code is stored, in any letter case: the
// duplicate query of the airport dialog's check.
[[nodiscard]] DuplicateQuery duplicateQuery(store::AirportStore &store);

}  // namespace volmira::editing
