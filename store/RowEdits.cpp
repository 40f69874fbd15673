#include "store/RowEdits.h"

#include "store/SearchNames.h"
#include "store/Tables.h"

#include <string>

namespace volmira::store {

using platform::Failure;
using platform::Result;

namespace {

// The statements of one table of per-airport rows, whose columns after ICAO
// run from `first` to Time. Built once per table.
template <typename Row>
struct RowStatements {
    RowStatements(const Table<Row> &table, const char *first)
        : table(table), first(first), byId(table.select("WHERE id = ?")), insert(table.insert()),
          update(table.update(first, "Time", "WHERE id = ?")),
          remove("DELETE FROM " + std::string(table.name()) + " WHERE id = ?") {}

    const Table<Row> &table;
    const char *first;
    std::string byId, insert, update, remove;
};

const RowStatements<RwyRow> &runways() {
    static const RowStatements<RwyRow> statements(rwyTable(), "RWY");
    return statements;
}
const RowStatements<AcomRow> &frequencies() {
    static const RowStatements<AcomRow> statements(acomTable(), "Name");
    return statements;
}
const RowStatements<IlsRow> &approaches() {
    static const RowStatements<IlsRow> statements(ilsTable(), "RWY");
    return statements;
}

template <typename Row>
Result<std::optional<Row>> rowById(Database &db, const RowStatements<Row> &t, long long id) {
    Statement &s = db.prepare(t.byId.c_str());
    s.bind(1, id);
    return s.firstRow([&](const Statement &row) { return t.table.read(row); });
}

template <typename Row>
Result<long long> addRow(Database &db, const RowStatements<Row> &t, const Row &row) {
    Statement &s = db.prepare(t.insert.c_str());
    t.table.bind(s, row);
    if (Result<> inserted = s.run(); !inserted) return Failure{inserted.error()};
    return db.lastInsertId();
}

// The result of a statement that changes at most one row: whether it did.
Result<bool> changedOne(Database &db, Statement &s) {
    if (Result<> done = s.run(); !done) return Failure{done.error()};
    return db.changes() > 0;
}

template <typename Row>
Result<bool> changeRow(Database &db, const RowStatements<Row> &t, const Row &row) {
    Statement &s = db.prepare(t.update.c_str());
    s.bind(t.table.bind(s, row, t.first, "Time"), row.id);
    return changedOne(db, s);
}

template <typename Row>
Result<bool> deleteRow(Database &db, const RowStatements<Row> &t, long long id) {
    return changedOne(db, db.prepare(t.remove.c_str()).bind(1, id));
}

}  // namespace

Result<std::optional<RwyRow>> RowEdits::runway(long long id) { return rowById(db_, runways(), id); }
Result<std::optional<AcomRow>> RowEdits::frequency(long long id) { return rowById(db_, frequencies(), id); }
Result<std::optional<IlsRow>> RowEdits::approach(long long id) { return rowById(db_, approaches(), id); }

Result<long long> RowEdits::addRunway(const RwyRow &row) { return addRow(db_, runways(), row); }
Result<long long> RowEdits::addFrequency(const AcomRow &row) { return addRow(db_, frequencies(), row); }
Result<long long> RowEdits::addApproach(const IlsRow &row) { return addRow(db_, approaches(), row); }

Result<bool> RowEdits::changeRunway(const RwyRow &row) { return changeRow(db_, runways(), row); }
Result<bool> RowEdits::changeFrequency(const AcomRow &row) { return changeRow(db_, frequencies(), row); }
Result<bool> RowEdits::changeApproach(const IlsRow &row) { return changeRow(db_, approaches(), row); }

Result<bool> RowEdits::deleteRunway(long long id) { return deleteRow(db_, runways(), id); }
Result<bool> RowEdits::deleteFrequency(long long id) { return deleteRow(db_, frequencies(), id); }
Result<bool> RowEdits::deleteApproach(long long id) { return deleteRow(db_, approaches(), id); }

Result<bool> RowEdits::changeAirport(const ArptRow &row) {
    Transaction tx(db_);
    if (!tx.started()) return Failure{tx.startError()};
    static const std::string sql = arptTable().update("Name", "Time", "WHERE ICAO = ?");
    Statement &s = db_.prepare(sql.c_str());
    s.bind(arptTable().bind(s, row, "Name", "Time"), row.ICAO);
    const Result<bool> changed = changedOne(db_, s);
    if (!changed || !*changed) return changed;
    // The quick find finds the name's words as they are now.
    if (Result<> words = writeNameWords(db_, row.ICAO, row.Name); !words) return Failure{words.error()};
    if (Result<> committed = tx.commit(); !committed) return Failure{committed.error()};
    return true;
}

Result<> RowEdits::setRunwayLengths(const QString &icao, int asphalt, int grass) {
    return db_.prepare("UPDATE ARPT SET RwyALen = ?, RwyGLen = ? WHERE ICAO = ?")
        .bind(1, asphalt)
        .bind(2, grass)
        .bind(3, icao)
        .run();
}

Result<bool> RowEdits::airportExists(const QString &icao) {
    Statement &s = db_.prepare("SELECT 1 FROM ARPT WHERE ICAO = ? LIMIT 1");
    s.bind(1, icao);
    const Result<std::optional<int>> found = s.firstRow([](const Statement &row) { return row.integer(0); });
    if (!found) return Failure{found.error()};
    return found->has_value();
}

}  // namespace volmira::store
