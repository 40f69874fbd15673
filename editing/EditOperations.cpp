#include "editing/EditOperations.h"

#include "store/IcaoCode.h"
#include "store/LastDate.h"

#include <utility>

namespace volmira::editing {

using platform::Failure;
using platform::Result;
using store::AirportStore;

namespace {

// Why a row of the kind is not there to change or delete.
template <typename Row>
constexpr const char *kMissing = nullptr;
template <>
constexpr const char *kMissing<store::RwyRow> = "Die Landebahn wurde nicht gefunden: sie ist nicht mehr gespeichert.";
template <>
constexpr const char *kMissing<store::AcomRow> = "Die Frequenz wurde nicht gefunden: sie ist nicht mehr gespeichert.";
template <>
constexpr const char *kMissing<store::IlsRow> = "Der Anflug wurde nicht gefunden: er ist nicht mehr gespeichert.";

template <typename Row>
Failure missingRow() {
    return Failure{QString::fromUtf8(kMissing<Row>)};
}

// The airport of the code as stored, for the operations to write to and, after
// a write, for the caller to show.
Result<store::ArptRow> storedAirport(AirportStore &store, const QString &icao) {
    const Result<std::optional<store::ArptRow>> airport = store.reads.airportByIcao(icao);
    if (!airport) return Failure{airport.error()};
    if (!*airport) return Failure{store::kNotFoundMessage.toString()};
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

// The row of the id when it belongs to the airport.
template <typename Row>
Result<Row> ownRow(AirportStore &store, const store::ArptRow &airport, long long id) {
    const Result<std::optional<Row>> found = (store.rows.*RowKind<Row>::find)(id);
    if (!found) return Failure{found.error()};
    if (!*found || (*found)->ICAO.compare(airport.ICAO, Qt::CaseInsensitive) != 0) return missingRow<Row>();
    return **found;
}

template <typename Row>
Result<Row> addRow(AirportStore &store, const store::ArptRow &airport, Row row) {
    row.ICAO = airport.ICAO;
    stampNow(store, row);
    const Result<long long> id = (store.rows.*RowKind<Row>::add)(row);
    if (!id) return Failure{id.error()};
    row.id = *id;
    if (Result<> refreshed = refreshLastDate(store, airport); !refreshed) return Failure{refreshed.error()};
    return row;
}

template <typename Row>
Result<Row> changeRow(AirportStore &store, const store::ArptRow &airport, long long id, Row row) {
    const Result<Row> old = ownRow<Row>(store, airport, id);
    if (!old) return old;
    row.id = id;
    row.ICAO = old->ICAO;
    stampNow(store, row);
    const Result<bool> changed = (store.rows.*RowKind<Row>::change)(row);
    if (!changed) return Failure{changed.error()};
    if (!*changed) return missingRow<Row>();
    if (Result<> refreshed = refreshLastDate(store, airport); !refreshed) return Failure{refreshed.error()};
    return row;
}

template <typename Row>
Result<Row> deleteRow(AirportStore &store, const store::ArptRow &airport, long long id) {
    const Result<Row> old = ownRow<Row>(store, airport, id);
    if (!old) return old;
    const Result<bool> deleted = (store.rows.*RowKind<Row>::remove)(id);
    if (!deleted) return Failure{deleted.error()};
    if (!*deleted) return missingRow<Row>();
    if (Result<> dated = store.edits.setLastDate(airport.ICAO, store.edits.now().Date); !dated)
        return Failure{dated.error()};
    return old;
}

// The airport's summary lengths after a runway was written or deleted.
Result<RunwayWrite> withLengths(AirportStore &store, const store::ArptRow &airport, Result<store::RwyRow> runway) {
    if (!runway) return Failure{runway.error()};
    const Result<std::vector<store::RwyRow>> runways = store.reads.runways(airport.ICAO);
    if (!runways) return Failure{runways.error()};
    const RunwayLengths lengths = runwayLengths(*runways);
    if (Result<> set = store.rows.setRunwayLengths(airport.ICAO, lengths.RwyALen, lengths.RwyGLen); !set)
        return Failure{set.error()};
    return RunwayWrite{*runway, lengths.RwyALen, lengths.RwyGLen};
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

Result<RunwayWrite> addRunway(AirportStore &store, const QString &icao, const RunwayEntry &entry) {
    return onAirport(store, icao, [&](const store::ArptRow &airport) {
        return withLengths(store, airport, addRow(store, airport, runwayRow(entry)));
    });
}

Result<RunwayWrite> changeRunway(AirportStore &store, const QString &icao, long long id, const RunwayEntry &entry) {
    return onAirport(store, icao, [&](const store::ArptRow &airport) {
        return withLengths(store, airport, changeRow(store, airport, id, runwayRow(entry)));
    });
}

Result<RunwayWrite> deleteRunway(AirportStore &store, const QString &icao, long long id) {
    return onAirport(store, icao, [&](const store::ArptRow &airport) {
        return withLengths(store, airport, deleteRow<store::RwyRow>(store, airport, id));
    });
}

Result<store::AcomRow> addFrequency(AirportStore &store, const QString &icao, const ComEntry &entry) {
    return onAirport(store, icao,
                     [&](const store::ArptRow &airport) { return addRow(store, airport, frequencyRow(entry)); });
}

Result<store::AcomRow> changeFrequency(AirportStore &store, const QString &icao, long long id,
                                       const ComEntry &entry) {
    return onAirport(store, icao, [&](const store::ArptRow &airport) {
        return changeRow(store, airport, id, frequencyRow(entry));
    });
}

Result<store::AcomRow> deleteFrequency(AirportStore &store, const QString &icao, long long id) {
    return onAirport(store, icao,
                     [&](const store::ArptRow &airport) { return deleteRow<store::AcomRow>(store, airport, id); });
}

Result<store::IlsRow> addApproach(AirportStore &store, const QString &icao, const ApproachEntry &entry) {
    return onAirport(store, icao,
                     [&](const store::ArptRow &airport) { return addRow(store, airport, approachRow(entry)); });
}

Result<store::IlsRow> changeApproach(AirportStore &store, const QString &icao, long long id,
                                     const ApproachEntry &entry) {
    return onAirport(store, icao, [&](const store::ArptRow &airport) {
        return changeRow(store, airport, id, approachRow(entry));
    });
}

Result<store::IlsRow> deleteApproach(AirportStore &store, const QString &icao, long long id) {
    return onAirport(store, icao,
                     [&](const store::ArptRow &airport) { return deleteRow<store::IlsRow>(store, airport, id); });
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

Result<store::ArptRow> changeAirport(AirportStore &store, const QString &icao, const AirportEntry &entry) {
    return onAirport(store, icao, [&](const store::ArptRow &airport) -> Result<store::ArptRow> {
        store::ArptRow row = airport;
        takeEntry(store, row, entry);
        const Result<bool> changed = store.rows.changeAirport(row);
        if (!changed) return Failure{changed.error()};
        if (!*changed) return Failure{store::kNotFoundMessage.toString()};
        if (Result<> refreshed = refreshLastDate(store, airport); !refreshed) return Failure{refreshed.error()};
        return storedAirport(store, airport.ICAO);
    });
}

DuplicateQuery duplicateQuery(AirportStore &store) {
    return [&store](const QString &icao) { return store.rows.airportExists(icao); };
}

}  // namespace volmira::editing
