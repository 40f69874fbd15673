#include "store/AirportStore.h"

#include "store/DateText.h"
#include "store/Statements.h"
#include "store/Tables.h"
#include "store/TextKeys.h"

#include <algorithm>

namespace volmira::store {

namespace {

// Runs a query bound to one ICAO code and reads every row with the reader.
template <typename Reader>
auto rowsOf(Database &db, const char *sql, const QString &icao, Reader read) {
    Statement &s = db.prepare(sql);
    s.bind(1, icao);
    return s.allRows(read);
}

// The highest code point: every name that starts with a prefix sorts below prefix + this.
const QString kAfterEverything = QString::fromUcs4(U"\U0010FFFF");

// Sorts rows by a German sort key of each, keeping rows of equal keys in order.
template <typename Row, typename Key>
std::vector<Row> sortedBy(std::vector<Row> rows, Key key) {
    std::vector<std::pair<QString, Row>> keyed;
    keyed.reserve(rows.size());
    for (Row &row : rows) keyed.emplace_back(germanSortKey(key(row)), std::move(row));
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    rows.clear();
    for (auto &k : keyed) rows.push_back(std::move(k.second));
    return rows;
}

}  // namespace

Stamp AirportStore::now() const {
    const QDateTime at = clock_.now();
    return {at.date().toString(QStringLiteral("yyyy-MM-dd")), at.time().toString(QStringLiteral("HH:mm:ss"))};
}

Result<std::optional<ArptRow>> AirportStore::airportByIcao(const QString &icao) {
    Statement &s = db_.prepare(sql::kAirportByIcao.c_str());
    s.bind(1, icao);
    return s.firstRow([](const Statement &row) { return arptTable().read(row); });
}

Result<std::optional<QString>> AirportStore::icaoForIata(const QString &iata) {
    Statement &s = db_.prepare("SELECT ICAO FROM AirportCode WHERE IATA = ? LIMIT 1");
    s.bind(1, iata);
    return s.firstRow([](const Statement &row) { return row.text(0); });
}

Result<std::vector<RwyRow>> AirportStore::runways(const QString &icao) {
    return rowsOf(db_, sql::kRunways.c_str(), icao, [](const Statement &s) { return rwyTable().read(s); });
}

Result<std::vector<AcomRow>> AirportStore::frequencies(const QString &icao) {
    return rowsOf(db_, sql::kFrequencies.c_str(), icao, [](const Statement &s) { return acomTable().read(s); });
}

Result<std::vector<IlsRow>> AirportStore::approaches(const QString &icao) {
    return rowsOf(db_, sql::kApproaches.c_str(), icao, [](const Statement &s) { return ilsTable().read(s); });
}

Result<std::vector<MyInfoRow>> AirportStore::notes(const QString &icao) {
    static const std::string sql = myInfoTable().select("WHERE ICAO = ? ORDER BY id");
    return rowsOf(db_, sql.c_str(), icao, [](const Statement &s) { return myInfoTable().read(s); });
}

Result<QStringList> AirportStore::airportCodes() {
    Result<std::vector<QString>> codes =
        db_.prepare("SELECT ICAO FROM ARPT ORDER BY ICAO").allRows([](const Statement &s) { return s.text(0); });
    if (!codes) return Failure{codes.error()};
    return QStringList(codes->begin(), codes->end());
}

Result<std::vector<ArptRow>> AirportStore::changedAirports() {
    const Result<std::optional<VersionRow>> v = version();
    if (!v) return Failure{v.error()};
    const QDate since = *v ? parseStoredDate((*v)->DatabaseVersion) : QDate();
    static const std::string sql = arptTable().select("WHERE LastDate > ? ORDER BY ICAO");
    Statement &s = db_.prepare(sql.c_str());
    s.bind(1, since.isValid() ? storedDateText(since) : QStringLiteral(""));
    return s.allRows([](const Statement &row) { return arptTable().read(row); });
}

Result<std::vector<ChangeStamp>> AirportStore::changeStamps(const QString &icao) {
    return rowsOf(db_, sql::kChangeStamps, icao,
                  [](const Statement &s) { return ChangeStamp{s.text(1), s.text(2), s.text(3)}; });
}

Result<std::vector<NameHit>> AirportStore::findByName(const QString &prefix) {
    const QString key = foldName(prefix);
    Statement &s = db_.prepare(sql::kNamePrefix);
    s.bind(1, key).bind(2, key + kAfterEverything);
    Result<std::vector<NameHit>> hits = s.allRows([](const Statement &row) { return NameHit{row.text(0), row.text(1)}; });
    if (!hits) return hits;
    // Names of one sort key in code-point order, then by code, so that the order does not depend on the engine.
    std::sort(hits->begin(), hits->end(), [](const NameHit &a, const NameHit &b) {
        return a.NAME != b.NAME ? a.NAME < b.NAME : a.ICAO < b.ICAO;
    });
    return sortedBy(std::move(*hits), [](const NameHit &hit) { return hit.NAME; });
}

Result<std::vector<CountryRow>> AirportStore::countries() {
    Result<std::vector<CountryRow>> rows = db_.prepare(sql::kCountries).allRows([](const Statement &s) {
        const std::optional<QString> name = s.optText(2);
        return CountryRow{s.text(0).trimmed(), name ? name->trimmed() : QStringLiteral("Kein Land gefunden"),
                          s.integer(1)};
    });
    if (!rows) return rows;
    return sortedBy(std::move(*rows), [](const CountryRow &row) { return row.Name; });
}

Result<int> AirportStore::airportCount() {
    Result<std::optional<int>> count =
        db_.prepare("SELECT count(*) FROM ARPT").firstRow([](const Statement &row) { return row.integer(0); });
    if (!count) return Failure{count.error()};
    return count->value_or(0);
}

Result<std::optional<VersionRow>> AirportStore::version() {
    static const std::string sql = versionTable().select("LIMIT 1");
    return db_.prepare(sql.c_str()).firstRow([](const Statement &row) { return versionTable().read(row); });
}

QString AirportStore::setLastDate(const QString &icao, const QString &date) {
    return db_.prepare("UPDATE ARPT SET LastDate = ? WHERE ICAO = ?").bind(1, date).bind(2, icao).run();
}

QString AirportStore::saveNote(const QString &icao, const QString &category, const QString &richText,
                               const QString &plainText) {
    const Stamp at = now();
    Statement &find = db_.prepare("SELECT id FROM MyInfo WHERE ICAO = ? AND Category = ? ORDER BY id LIMIT 1");
    find.bind(1, icao).bind(2, category);
    const Result<std::optional<long long>> found = find.firstRow([](const Statement &row) { return row.int64(0); });
    if (!found) return found.error();
    const MyInfoRow note{found->value_or(0), icao, category, richText, plainText, at.Date, at.Time};
    if (!*found) return insertNote(note);
    static const std::string sql = myInfoTable().update("MyInfo", "Time", "WHERE id = ?");
    Statement &s = db_.prepare(sql.c_str());
    return s.bind(myInfoTable().bind(s, note, "MyInfo", "Time"), note.id).run();
}

namespace {

// Inserts a row of a table with every written column.
template <typename Row>
QString insertRow(Database &db, const Table<Row> &table, const Row &row) {
    static const std::string sql = table.insert();
    Statement &s = db.prepare(sql.c_str());
    table.bind(s, row);
    return s.run();
}

}  // namespace

QString AirportStore::insertAirport(const ArptRow &r) { return insertRow(db_, arptTable(), r); }

QString AirportStore::replaceAirport(const ArptRow &r) {
    static const std::string sql = arptTable().update("Name", "Time", ", LastDate = NULL WHERE ICAO = ?");
    Statement &s = db_.prepare(sql.c_str());
    const QString error = s.bind(arptTable().bind(s, r, "Name", "Time"), r.ICAO).run();
    if (!error.isEmpty() || db_.changes() > 0) return error;
    ArptRow fresh = r;
    fresh.LastDate = fresh.LastKat = QString();
    return insertAirport(fresh);
}

QString AirportStore::insertRunway(const RwyRow &r) { return insertRow(db_, rwyTable(), r); }

QString AirportStore::insertFrequency(const AcomRow &r) { return insertRow(db_, acomTable(), r); }

QString AirportStore::insertApproach(const IlsRow &r) { return insertRow(db_, ilsTable(), r); }

QString AirportStore::insertNote(const MyInfoRow &r) { return insertRow(db_, myInfoTable(), r); }

QString AirportStore::insertCategory(const QString &category) {
    return db_.prepare("INSERT INTO MyCategory (Category) VALUES (?)").bind(1, category).run();
}

QString AirportStore::insertAirportCode(const AirportCodeRow &r) { return insertRow(db_, airportCodeTable(), r); }

QString AirportStore::insertCountry(const IcaoCodeRow &r) { return insertRow(db_, icaoCodeTable(), r); }

QString AirportStore::setProgramVersion(const QString &programVersion) {
    const Result<std::optional<VersionRow>> row = version();
    if (!row) return row.error();
    VersionRow changed = row->value_or(VersionRow{});
    changed.ProgramVersion = programVersion;
    return setVersion(changed);
}

QString AirportStore::setDatabaseVersion(const QString &databaseVersion) {
    const Result<std::optional<VersionRow>> row = version();
    if (!row) return row.error();
    VersionRow changed = row->value_or(VersionRow{});
    changed.DatabaseVersion = databaseVersion;
    return setVersion(changed);
}

QString AirportStore::setVersion(const VersionRow &r) {
    Transaction tx(db_);
    if (QString e = db_.prepare("DELETE FROM Version").run(); !e.isEmpty()) return e;
    if (QString e = insertRow(db_, versionTable(), r); !e.isEmpty()) return e;
    return tx.commit();
}

}  // namespace volmira::store
