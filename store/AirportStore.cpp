#include "store/AirportStore.h"

#include "store/DateText.h"
#include "store/RowReaders.h"
#include "store/Statements.h"
#include "store/TextKeys.h"

#include <algorithm>

namespace volmira::store {

namespace {

// Runs a query bound to one ICAO code and reads every row with the reader.
template <typename Row, typename Reader>
std::vector<Row> rowsOf(Database &db, const char *sql, const QString &icao, Reader read) {
    std::vector<Row> rows;
    Statement &s = db.prepare(sql);
    s.bind(1, icao);
    while (s.next()) rows.push_back(read(s));
    return rows;
}

// The highest code point: every name that starts with a prefix sorts below prefix + this.
const QString kAfterEverything = QString::fromUcs4(U"\U0010FFFF");

}  // namespace

Stamp AirportStore::now() const {
    const QDateTime at = clock_.now();
    return {at.date().toString(QStringLiteral("yyyy-MM-dd")), at.time().toString(QStringLiteral("HH:mm:ss"))};
}

std::optional<ArptRow> AirportStore::airportByIcao(const QString &icao) {
    Statement &s = db_.prepare(sql::kAirportByIcao);
    s.bind(1, icao);
    return s.firstRow([](const Statement &row) { return readAirport(row); });
}

std::optional<QString> AirportStore::icaoForIata(const QString &iata) {
    Statement &s = db_.prepare("SELECT ICAO FROM AirportCode WHERE IATA = ? LIMIT 1");
    s.bind(1, iata);
    return s.firstRow([](const Statement &row) { return row.text(0); });
}

std::vector<RwyRow> AirportStore::runways(const QString &icao) {
    return rowsOf<RwyRow>(db_, sql::kRunways, icao, [](const Statement &s) { return readRunway(s); });
}

std::vector<AcomRow> AirportStore::frequencies(const QString &icao) {
    return rowsOf<AcomRow>(db_, sql::kFrequencies, icao, [](const Statement &s) { return readFrequency(s); });
}

std::vector<IlsRow> AirportStore::approaches(const QString &icao) {
    return rowsOf<IlsRow>(db_, sql::kApproaches, icao, [](const Statement &s) { return readApproach(s); });
}

std::vector<MyInfoRow> AirportStore::notes(const QString &icao) {
    return rowsOf<MyInfoRow>(db_,
                             "SELECT id, ICAO, Category, MyInfo, PrintInfo, Date, Time FROM MyInfo "
                             "WHERE ICAO = ? ORDER BY id",
                             icao, [](const Statement &s) { return readNote(s); });
}

QStringList AirportStore::airportCodes() {
    QStringList codes;
    Statement &s = db_.prepare("SELECT ICAO FROM ARPT ORDER BY ICAO");
    while (s.next()) codes << s.text(0);
    return codes;
}

std::vector<ArptRow> AirportStore::changedAirports() {
    const std::optional<VersionRow> v = version();
    const QDate since = v ? parseStoredDate(v->DatabaseVersion) : QDate();
    std::vector<ArptRow> rows;
    Statement &s = db_.prepare(
        "SELECT ICAO, Name, COORDINATES, WGS_DLAT, WGS_DLONG, ELEV, PR, MAG_VAR, RwyALen, RwyGLen, Type, Date, Time, "
        "LastDate, LastKat FROM ARPT WHERE LastDate > ? ORDER BY ICAO");
    s.bind(1, since.isValid() ? storedDateText(since) : QStringLiteral(""));
    while (s.next()) rows.push_back(readAirport(s));
    return rows;
}

std::vector<ChangeStamp> AirportStore::changeStamps(const QString &icao) {
    return rowsOf<ChangeStamp>(db_, sql::kChangeStamps, icao,
                               [](const Statement &s) { return ChangeStamp{s.text(1), s.text(2), s.text(3)}; });
}

std::vector<NameHit> AirportStore::findByName(const QString &prefix) {
    const QString key = foldName(prefix);
    Statement &s = db_.prepare(sql::kNamePrefix);
    s.bind(1, key).bind(2, key + kAfterEverything);
    struct Keyed {
        QString key;
        NameHit hit;
    };
    std::vector<Keyed> keyed;
    while (s.next()) {
        NameHit hit{s.text(0), s.text(1)};
        keyed.push_back({germanSortKey(hit.NAME), std::move(hit)});
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) {
        if (a.key != b.key) return a.key < b.key;
        return a.hit.NAME != b.hit.NAME ? a.hit.NAME < b.hit.NAME : a.hit.ICAO < b.hit.ICAO;
    });
    std::vector<NameHit> hits;
    hits.reserve(keyed.size());
    for (Keyed &k : keyed) hits.push_back(std::move(k.hit));
    return hits;
}

std::vector<CountryRow> AirportStore::countries() {
    Statement &s = db_.prepare(sql::kCountries);
    struct Keyed {
        QString key;
        CountryRow row;
    };
    std::vector<Keyed> keyed;
    while (s.next()) {
        const std::optional<QString> name = s.optText(2);
        CountryRow row{s.text(0).trimmed(), name ? name->trimmed() : QStringLiteral("Kein Land gefunden"), s.integer(1)};
        keyed.push_back({germanSortKey(row.Name), std::move(row)});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) { return a.key < b.key; });
    std::vector<CountryRow> rows;
    rows.reserve(keyed.size());
    for (Keyed &k : keyed) rows.push_back(std::move(k.row));
    return rows;
}

int AirportStore::airportCount() {
    return db_.prepare("SELECT count(*) FROM ARPT").firstRow([](const Statement &row) { return row.integer(0); }).value_or(0);
}

std::optional<VersionRow> AirportStore::version() {
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
    if (const std::optional<long long> found = find.firstRow([](const Statement &row) { return row.int64(0); })) {
        const long long id = *found;
        return db_.prepare("UPDATE MyInfo SET MyInfo = ?, PrintInfo = ?, Date = ?, Time = ? WHERE id = ?")
            .bind(1, richText)
            .bind(2, plainText)
            .bind(3, at.Date)
            .bind(4, at.Time)
            .bind(5, id)
            .run();
    }
    if (find.failed()) return find.error();
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
    std::optional<VersionRow> row = version();
    if (!row) row = VersionRow{};
    row->ProgramVersion = programVersion;
    return setVersion(*row);
}

QString AirportStore::setDatabaseVersion(const QString &databaseVersion) {
    std::optional<VersionRow> row = version();
    if (!row) row = VersionRow{};
    row->DatabaseVersion = databaseVersion;
    return setVersion(*row);
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
