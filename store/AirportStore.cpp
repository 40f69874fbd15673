#include "store/AirportStore.h"

#include "store/DateText.h"
#include "store/RowReaders.h"
#include "store/Statements.h"
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
    Statement &s = db_.prepare(sql::kAirportByIcao);
    s.bind(1, icao);
    return s.firstRow([](const Statement &row) { return readAirport(row); });
}

Result<std::optional<QString>> AirportStore::icaoForIata(const QString &iata) {
    Statement &s = db_.prepare("SELECT ICAO FROM AirportCode WHERE IATA = ? LIMIT 1");
    s.bind(1, iata);
    return s.firstRow([](const Statement &row) { return row.text(0); });
}

Result<std::vector<RwyRow>> AirportStore::runways(const QString &icao) {
    return rowsOf(db_, sql::kRunways, icao, [](const Statement &s) { return readRunway(s); });
}

Result<std::vector<AcomRow>> AirportStore::frequencies(const QString &icao) {
    return rowsOf(db_, sql::kFrequencies, icao, [](const Statement &s) { return readFrequency(s); });
}

Result<std::vector<IlsRow>> AirportStore::approaches(const QString &icao) {
    return rowsOf(db_, sql::kApproaches, icao, [](const Statement &s) { return readApproach(s); });
}

Result<std::vector<MyInfoRow>> AirportStore::notes(const QString &icao) {
    return rowsOf(db_,
                  "SELECT id, ICAO, Category, MyInfo, PrintInfo, Date, Time FROM MyInfo "
                  "WHERE ICAO = ? ORDER BY id",
                  icao, [](const Statement &s) { return readNote(s); });
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
    Statement &s = db_.prepare(
        "SELECT ICAO, Name, COORDINATES, WGS_DLAT, WGS_DLONG, ELEV, PR, MAG_VAR, RwyALen, RwyGLen, Type, Date, Time, "
        "LastDate, LastKat FROM ARPT WHERE LastDate > ? ORDER BY ICAO");
    s.bind(1, since.isValid() ? storedDateText(since) : QStringLiteral(""));
    return s.allRows([](const Statement &row) { return readAirport(row); });
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
    return db_.prepare("SELECT DatabaseVersion, ProgramVersion FROM Version LIMIT 1").firstRow([](const Statement &row) {
        return VersionRow{row.text(0), row.text(1)};
    });
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
    if (*found) {
        const long long id = **found;
        return db_.prepare("UPDATE MyInfo SET MyInfo = ?, PrintInfo = ?, Date = ?, Time = ? WHERE id = ?")
            .bind(1, richText)
            .bind(2, plainText)
            .bind(3, at.Date)
            .bind(4, at.Time)
            .bind(5, id)
            .run();
    }
    return insertNote(MyInfoRow{0, icao, category, richText, plainText, at.Date, at.Time});
}

namespace {

// Binds the airport's columns from Name to Time, with the folded name, from `first` on.
Statement &bindAirportData(Statement &s, int first, const ArptRow &r) {
    return s.bind(first, r.Name)
        .bind(first + 1, r.Name.isNull() ? QString() : foldName(r.Name))
        .bind(first + 2, r.COORDINATES)
        .bind(first + 3, r.WGS_DLAT)
        .bind(first + 4, r.WGS_DLONG)
        .bind(first + 5, r.ELEV)
        .bind(first + 6, r.PR)
        .bind(first + 7, r.MAG_VAR)
        .bind(first + 8, r.RwyALen)
        .bind(first + 9, r.RwyGLen)
        .bind(first + 10, r.Type)
        .bind(first + 11, r.Date)
        .bind(first + 12, r.Time);
}

}  // namespace

QString AirportStore::insertAirport(const ArptRow &r) {
    Statement &s = db_.prepare("INSERT INTO ARPT (ICAO, Name, NameKey, COORDINATES, WGS_DLAT, WGS_DLONG, ELEV, PR, "
                               "MAG_VAR, RwyALen, RwyGLen, Type, Date, Time, LastDate, LastKat) "
                               "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    s.bind(1, r.ICAO);
    return bindAirportData(s, 2, r).bind(15, r.LastDate).bind(16, r.LastKat).run();
}

QString AirportStore::replaceAirport(const ArptRow &r) {
    Statement &s = db_.prepare("UPDATE ARPT SET Name = ?, NameKey = ?, COORDINATES = ?, WGS_DLAT = ?, WGS_DLONG = ?, "
                               "ELEV = ?, PR = ?, MAG_VAR = ?, RwyALen = ?, RwyGLen = ?, Type = ?, Date = ?, "
                               "Time = ?, LastDate = NULL WHERE ICAO = ?");
    const QString error = bindAirportData(s, 1, r).bind(14, r.ICAO).run();
    if (!error.isEmpty() || db_.changes() > 0) return error;
    ArptRow fresh = r;
    fresh.LastDate = fresh.LastKat = QString();
    return insertAirport(fresh);
}

QString AirportStore::insertRunway(const RwyRow &r) {
    return db_
        .prepare("INSERT INTO RWY (ICAO, RWY, RwyLow, RwyHigh, RWYHDG, SLOPE, Length, Width, SURFACE, Date, Time) "
                 "VALUES (?,?,?,?,?,?,?,?,?,?,?)")
        .bind(1, r.ICAO)
        .bind(2, r.RWY)
        .bind(3, r.RwyLow)
        .bind(4, r.RwyHigh)
        .bind(5, r.RWYHDG)
        .bind(6, r.SLOPE)
        .bind(7, r.Length)
        .bind(8, r.Width)
        .bind(9, r.SURFACE)
        .bind(10, r.Date)
        .bind(11, r.Time)
        .run();
}

QString AirportStore::insertFrequency(const AcomRow &r) {
    return db_.prepare("INSERT INTO ACOM (ICAO, Name, FREQ, Date, Time) VALUES (?,?,?,?,?)")
        .bind(1, r.ICAO)
        .bind(2, r.Name)
        .bind(3, r.FREQ)
        .bind(4, r.Date)
        .bind(5, r.Time)
        .run();
}

QString AirportStore::insertApproach(const IlsRow &r) {
    return db_
        .prepare("INSERT INTO ILS (ICAO, RWY, ILS_FREQ, ILS_IDENT, ILS_GS, OM_FREQ, OM_IDENT, Date, Time) "
                 "VALUES (?,?,?,?,?,?,?,?,?)")
        .bind(1, r.ICAO)
        .bind(2, r.RWY)
        .bind(3, r.ILS_FREQ)
        .bind(4, r.ILS_IDENT)
        .bind(5, r.ILS_GS)
        .bind(6, r.OM_FREQ)
        .bind(7, r.OM_IDENT)
        .bind(8, r.Date)
        .bind(9, r.Time)
        .run();
}

QString AirportStore::insertNote(const MyInfoRow &r) {
    return db_.prepare("INSERT INTO MyInfo (ICAO, Category, MyInfo, PrintInfo, Date, Time) VALUES (?,?,?,?,?,?)")
        .bind(1, r.ICAO)
        .bind(2, r.Category)
        .bind(3, r.MyInfo)
        .bind(4, r.PrintInfo)
        .bind(5, r.Date)
        .bind(6, r.Time)
        .run();
}

QString AirportStore::insertCategory(const QString &category) {
    return db_.prepare("INSERT INTO MyCategory (Category) VALUES (?)").bind(1, category).run();
}

QString AirportStore::insertAirportCode(const AirportCodeRow &r) {
    return db_.prepare("INSERT INTO AirportCode (IATA, ICAO) VALUES (?,?)").bind(1, r.IATA).bind(2, r.ICAO).run();
}

QString AirportStore::insertCountry(const IcaoCodeRow &r) {
    return db_.prepare("INSERT INTO ICAOCODE (ICAO, Name) VALUES (?,?)").bind(1, r.ICAO).bind(2, r.Name).run();
}

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
    if (QString e = db_.prepare("INSERT INTO Version (DatabaseVersion, ProgramVersion) VALUES (?,?)")
                        .bind(1, r.DatabaseVersion)
                        .bind(2, r.ProgramVersion)
                        .run();
        !e.isEmpty())
        return e;
    return tx.commit();
}

}  // namespace volmira::store
