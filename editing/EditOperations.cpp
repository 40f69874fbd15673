#include "editing/EditOperations.h"

#include "store/IcaoCode.h"
#include "store/LastDate.h"

#include <utility>

namespace volmira::editing {

using platform::Failure;
using platform::Result;
using store::AirportStore;

namespace {

// Why a row of the kind is not there to change or delete: another program deleted it.
template <typename Row>
constexpr const char *kMissing = nullptr;
template <>
constexpr const char *kMissing<store::RwyRow> = "Die Landebahn wurde nicht gefunden: sie ist nicht mehr gespeichert.";
template <>
constexpr const char *kMissing<store::AcomRow> = "Die Frequenz wurde nicht gefunden: sie ist nicht mehr gespeichert.";
template <>
constexpr const char *kMissing<store::IlsRow> = "Der Anflug wurde nicht gefunden: er ist nicht mehr gespeichert.";

template <typename Row>
using Outcome = WriteOutcome<Row, Row>;

// An outcome of another kind of write that met the row of this one meanwhile.
template <typename Written, typename Row>
WriteOutcome<Written, Row> carried(const store::Meanwhile<Row> &other) {
    return store::Guarded<Written, Row>(other);
}

template <typename Written, typename Row>
WriteOutcome<Written, Row> wrote(Written row) {
    return store::Guarded<Written, Row>(std::move(row));
}

// The airport of the code as stored, for the operations to write to and, after
// a write, for the caller to show.
Result<store::ArptRow> storedAirport(AirportStore &store, const QString &icao) {
    const Result<std::optional<store::ArptRow>> airport = store.reads.airportByIcao(icao);
    if (!airport) return Failure{airport.error()};
    if (!*airport) return Failure{store::airportGoneMessage(icao)};
    return **airport;
}

// Runs `write` on the stored airport of the code in one transaction, committed
// only when the write succeeded.
template <typename Write>
auto onAirport(AirportStore &store, const QString &icao, Write write)
    -> decltype(write(std::declval<const store::ArptRow &>())) {
    store::Transaction tx(store.database());
    if (!tx.started()) return Failure{tx.startError()};
    const Result<store::ArptRow> airport = storedAirport(store, icao);
    if (!airport) return Failure{airport.error()};
    auto written = write(*airport);
    if (!written) return written;
    if (Result<> committed = tx.commit(); !committed) return Failure{committed.error()};
    return written;
}

// ARPT.LastDate from the newest stamp of the airport's rows, as the last-change line writes it.
Result<> refreshLastDate(AirportStore &store, const store::ArptRow &airport) {
    return store::refreshLastDate(store, airport.ICAO, airport.LastDate);
}

template <typename Row>
void stampNow(AirportStore &store, Row &row) {
    const store::Stamp at = store.edits.now();
    row.Date = at.Date;
    row.Time = at.Time;
}

// The row of the id as stored, while it belongs to the airport and carries
// the loaded stamp; else what is stored instead. A row of another airport
// under the id is one made after ours was deleted.
template <typename Row>
Outcome<Row> loadedRow(AirportStore &store, const store::ArptRow &airport, long long id, const store::Stamp &loaded) {
    Result<std::optional<Row>> found = (store.rows.*RowKind<Row>::find)(id);
    if (!found) return Failure{found.error()};
    if (*found && (*found)->ICAO.compare(airport.ICAO, Qt::CaseInsensitive) != 0) found->reset();
    if (const auto other = store::meanwhile(*found, std::optional(loaded))) return carried<Row>(*other);
    return wrote<Row, Row>(**found);
}

template <typename Row>
Outcome<Row> addRow(AirportStore &store, const store::ArptRow &airport, Row row) {
    row.ICAO = airport.ICAO;
    stampNow(store, row);
    const Result<long long> id = (store.rows.*RowKind<Row>::add)(row);
    if (!id) return Failure{id.error()};
    row.id = *id;
    if (Result<> refreshed = refreshLastDate(store, airport); !refreshed) return Failure{refreshed.error()};
    return wrote<Row, Row>(row);
}

template <typename Row>
Outcome<Row> changeRow(AirportStore &store, const store::ArptRow &airport, long long id, const store::Stamp &loaded,
                       Row row) {
    const Outcome<Row> old = loadedRow<Row>(store, airport, id, loaded);
    if (!old || !std::holds_alternative<Row>(*old)) return old;
    row.id = id;
    row.ICAO = std::get<Row>(*old).ICAO;
    stampNow(store, row);
    if (const Result<bool> changed = (store.rows.*RowKind<Row>::change)(row); !changed)
        return Failure{changed.error()};
    if (Result<> refreshed = refreshLastDate(store, airport); !refreshed) return Failure{refreshed.error()};
    return wrote<Row, Row>(row);
}

template <typename Row>
Outcome<Row> deleteRow(AirportStore &store, const store::ArptRow &airport, long long id, const store::Stamp &loaded) {
    const Outcome<Row> old = loadedRow<Row>(store, airport, id, loaded);
    if (!old || !std::holds_alternative<Row>(*old)) return old;
    if (const Result<bool> deleted = (store.rows.*RowKind<Row>::remove)(id); !deleted)
        return Failure{deleted.error()};
    if (Result<> dated = store.edits.setLastDate(airport.ICAO, store.edits.now().Date); !dated)
        return Failure{dated.error()};
    return old;
}

// The airport's summary lengths after a runway was written or deleted.
RunwayOutcome withLengths(AirportStore &store, const store::ArptRow &airport, const Outcome<store::RwyRow> &runway) {
    if (!runway) return Failure{runway.error()};
    if (const auto *other = std::get_if<store::Meanwhile<store::RwyRow>>(&*runway))
        return carried<RunwayWrite>(*other);
    const Result<std::vector<store::RwyRow>> runways = store.reads.runways(airport.ICAO);
    if (!runways) return Failure{runways.error()};
    const RunwayLengths lengths = runwayLengths(*runways);
    if (Result<> set = store.rows.setRunwayLengths(airport.ICAO, lengths.RwyALen, lengths.RwyGLen); !set)
        return Failure{set.error()};
    return wrote<RunwayWrite, store::RwyRow>({std::get<store::RwyRow>(*runway), lengths.RwyALen, lengths.RwyGLen});
}

// A text as typed: an empty box is stored as an empty text, not as no value.
QString typed(const QString &text) { return text.isNull() ? QLatin1String("") : text; }

store::RwyRow runwayRow(const RunwayEntry &e) {
    store::RwyRow row;
    row.RWY = e.RWY;
    row.RwyLow = e.RwyLow;
    row.RwyHigh = e.RwyHigh;
    row.RWYHDG = e.RWYHDG;
    row.SLOPE = typed(e.SLOPE);
    row.Length = e.Length;
    row.Width = e.Width;
    row.SURFACE = e.SURFACE;
    return row;
}

store::AcomRow frequencyRow(const ComEntry &e) {
    store::AcomRow row;
    row.Name = typed(e.Name);
    row.FREQ = typed(e.FREQ);
    return row;
}

store::IlsRow approachRow(const ApproachEntry &e) {
    store::IlsRow row;
    row.RWY = e.RWY;
    row.ILS_FREQ = typed(e.ILS_FREQ);
    row.ILS_IDENT = typed(e.ILS_IDENT);
    row.ILS_GS = typed(e.ILS_GS);
    row.OM_FREQ = typed(e.OM_FREQ);
    row.OM_IDENT = typed(e.OM_IDENT);
    return row;
}

// The airport record's columns the dialog writes, stamped now.
void takeEntry(AirportStore &store, store::ArptRow &row, const AirportEntry &e) {
    row.Name = typed(e.Name);
    row.COORDINATES = e.COORDINATES;
    row.WGS_DLAT = e.WGS_DLAT;
    row.WGS_DLONG = e.WGS_DLONG;
    row.ELEV = e.ELEV;
    row.PR = typed(e.PR);
    row.MAG_VAR = e.MAG_VAR;
    row.Type = e.Type;
    stampNow(store, row);
}

}  // namespace

RunwayOutcome addRunway(AirportStore &store, const QString &icao, const RunwayEntry &entry) {
    return onAirport(store, icao, [&](const store::ArptRow &airport) {
        return withLengths(store, airport, addRow(store, airport, runwayRow(entry)));
    });
}

RunwayOutcome changeRunway(AirportStore &store, const QString &icao, long long id, const store::Stamp &loaded,
                           const RunwayEntry &entry) {
    return onAirport(store, icao, [&](const store::ArptRow &airport) {
        return withLengths(store, airport, changeRow(store, airport, id, loaded, runwayRow(entry)));
    });
}

RunwayOutcome deleteRunway(AirportStore &store, const QString &icao, long long id, const store::Stamp &loaded) {
    return onAirport(store, icao, [&](const store::ArptRow &airport) {
        return withLengths(store, airport, deleteRow<store::RwyRow>(store, airport, id, loaded));
    });
}

FrequencyOutcome addFrequency(AirportStore &store, const QString &icao, const ComEntry &entry) {
    return onAirport(store, icao,
                     [&](const store::ArptRow &airport) { return addRow(store, airport, frequencyRow(entry)); });
}

FrequencyOutcome changeFrequency(AirportStore &store, const QString &icao, long long id, const store::Stamp &loaded,
                                 const ComEntry &entry) {
    return onAirport(store, icao, [&](const store::ArptRow &airport) {
        return changeRow(store, airport, id, loaded, frequencyRow(entry));
    });
}

FrequencyOutcome deleteFrequency(AirportStore &store, const QString &icao, long long id, const store::Stamp &loaded) {
    return onAirport(store, icao, [&](const store::ArptRow &airport) {
        return deleteRow<store::AcomRow>(store, airport, id, loaded);
    });
}

ApproachOutcome addApproach(AirportStore &store, const QString &icao, const ApproachEntry &entry) {
    return onAirport(store, icao,
                     [&](const store::ArptRow &airport) { return addRow(store, airport, approachRow(entry)); });
}

ApproachOutcome changeApproach(AirportStore &store, const QString &icao, long long id, const store::Stamp &loaded,
                               const ApproachEntry &entry) {
    return onAirport(store, icao, [&](const store::ArptRow &airport) {
        return changeRow(store, airport, id, loaded, approachRow(entry));
    });
}

ApproachOutcome deleteApproach(AirportStore &store, const QString &icao, long long id, const store::Stamp &loaded) {
    return onAirport(store, icao, [&](const store::ArptRow &airport) {
        return deleteRow<store::IlsRow>(store, airport, id, loaded);
    });
}

Result<store::ArptRow> createAirport(AirportStore &store, const AirportEntry &entry) {
    const Result<QString> code = store::checkedIcaoCode(entry.ICAO);
    if (!code) return Failure{code.error()};
    store::Transaction tx(store.database());
    if (!tx.started()) return Failure{tx.startError()};
    store::ArptRow row;
    row.ICAO = *code;
    takeEntry(store, row, entry);
    row.RwyALen = row.RwyGLen = 0;
    if (Result<> inserted = store.edits.insertAirport(row); !inserted) return Failure{inserted.error()};
    if (Result<> refreshed = refreshLastDate(store, row); !refreshed) return Failure{refreshed.error()};
    Result<store::ArptRow> created = storedAirport(store, row.ICAO);
    if (!created) return created;
    if (Result<> committed = tx.commit(); !committed) return Failure{committed.error()};
    return created;
}

Outcome<store::ArptRow> changeAirport(AirportStore &store, const QString &icao, const store::Stamp &loaded,
                                      const AirportEntry &entry) {
    return onAirport(store, icao, [&](const store::ArptRow &airport) -> Outcome<store::ArptRow> {
        if (const auto other = store::meanwhile(std::optional(airport), std::optional(loaded)))
            return carried<store::ArptRow>(*other);
        store::ArptRow row = airport;
        takeEntry(store, row, entry);
        if (const Result<bool> changed = store.rows.changeAirport(row); !changed) return Failure{changed.error()};
        if (Result<> refreshed = refreshLastDate(store, airport); !refreshed) return Failure{refreshed.error()};
        const Result<store::ArptRow> stored = storedAirport(store, airport.ICAO);
        if (!stored) return Failure{stored.error()};
        return wrote<store::ArptRow, store::ArptRow>(*stored);
    });
}

template <typename Row>
QString vanishedMessage() {
    return QString::fromUtf8(kMissing<Row>);
}
template QString vanishedMessage<store::RwyRow>();
template QString vanishedMessage<store::AcomRow>();
template QString vanishedMessage<store::IlsRow>();

DuplicateQuery duplicateQuery(AirportStore &store) {
    return [&store](const QString &icao) { return store.rows.airportExists(icao); };
}

}  // namespace volmira::editing
