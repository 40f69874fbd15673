// Export of every airport into an exchange file, reading that file, and its
// import into a copy of the shipped database, beside a bare SQLCipher bulk
// insert of the same rows in one transaction, measured in the same run.
#include "platform/Clock.h"
#include "store/AirportStore.h"
#include "store/Database.h"
#include "store/DatabaseKey.h"
#include "store/PlaceIndex.h"
#include "store/exchange/ExchangeExport.h"
#include "store/exchange/ExchangeFile.h"
#include "store/recordfile/RecordFile.h"
#include "store/exchange/UpdateHistory.h"
#include "store/exchange/UpdateImport.h"

#include <sqlcipher/sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <variant>
#include <vector>

using namespace volmira;

namespace {

const QString kShipped = QStringLiteral(VOLMIRA_BINARY_DIR "/vmdata-shipped.vmd");

void check(bool ok) {
    if (!ok) std::abort();
}

struct Fixture {
    QTemporaryDir dir;
    QString source = dir.filePath("source.vmd");
    QString file = dir.filePath("all.crm");
    QString importFolder = dir.filePath("import");
    platform::SystemClock clock;
    store::Database db;
    std::unique_ptr<store::AirportStore> airports;

    Fixture() {
        check(QFile::copy(kShipped, source) && db.open(source, store::Database::Mode::ReadOnly).ok());
        airports = std::make_unique<store::AirportStore>(db, clock);
        check(store::exchange::exportAirports(*airports, airports->lists.airportCodes().value(), file).ok());
        check(QDir().mkpath(importFolder));
    }
};

Fixture &fixture() {
    static Fixture f;
    return f;
}

void BM_ExportAll(benchmark::State &state) {
    Fixture &f = fixture();
    const QStringList codes = f.airports->lists.airportCodes().value();
    const QString out = f.dir.filePath("again.crm");
    for (auto _ : state) check(store::exchange::exportAirports(*f.airports, codes, out).ok());
    state.SetBytesProcessed(state.iterations() * QFileInfo(out).size());
}
BENCHMARK(BM_ExportAll)->Unit(benchmark::kMillisecond);

void BM_ReadExchangeFile(benchmark::State &state) {
    Fixture &f = fixture();
    for (auto _ : state) {
        store::recordfile::Reader reader;
        check(reader.open(f.file).error().isEmpty());
        store::recordfile::Row row;
        long long rows = 0;
        while (reader.next(row)) ++rows;
        check(reader.error().isEmpty());
        benchmark::DoNotOptimize(rows);
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(f.file).size());
}
BENCHMARK(BM_ReadExchangeFile)->Unit(benchmark::kMillisecond);

// The whole import as the splash runs it, into a fresh copy of the shipped database.
void BM_ImportAll(benchmark::State &state) {
    Fixture &f = fixture();
    const QString target = QDir(f.importFolder).filePath("vmdata.vmd");
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(target);
        QFile::remove(QDir(f.importFolder).filePath(store::exchange::kUpdateHistoryFile));
        check(QFile::copy(kShipped, target));
        {
            store::Database db;
            check(db.open(target).ok());
            store::AirportStore s(db, f.clock);
            state.ResumeTiming();
            check(store::exchange::importUpdate(s, {f.file, f.importFolder, "01.09.2026"}).ok());
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportAll)->Unit(benchmark::kMillisecond);

// --- the bare engine: the file's rows, already in memory, inserted with
// prepared statements in one transaction into the same empty tables.
using RawValue = std::variant<std::monostate, std::string, long long, double>;
struct RawRow {
    int table;
    std::vector<RawValue> values;
};

constexpr const char *kRawInserts[] = {
    "INSERT INTO ARPT (ICAO, Name, NameKey, COORDINATES, WGS_DLAT, WGS_DLONG, ELEV, PR, MAG_VAR, RwyALen, RwyGLen, "
    "Type, Date, Time) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
    "INSERT INTO ACOM (ICAO, Name, FREQ, Date, Time) VALUES (?,?,?,?,?)",
    "INSERT INTO ILS (ICAO, RWY, ILS_FREQ, ILS_IDENT, ILS_GS, OM_FREQ, OM_IDENT, Date, Time) VALUES (?,?,?,?,?,?,?,?,?)",
    "INSERT INTO RWY (ICAO, RWY, RWYHDG, SLOPE, Length, Width, SURFACE, RwyLow, RwyHigh, Date, Time) "
    "VALUES (?,?,?,?,?,?,?,?,?,?,?)",
    "INSERT INTO MyInfo (ICAO, MyInfo, Category, PrintInfo, Date, Time) VALUES (?,?,?,?,?,?)"};

RawValue raw(const store::recordfile::Value &v) {
    if (const auto *t = std::get_if<QString>(&v)) return t->toStdString();
    if (const auto *i = std::get_if<qint64>(&v)) return (long long)*i;
    if (const auto *d = std::get_if<double>(&v)) return *d;
    if (const auto *dt = std::get_if<store::recordfile::DateTime>(&v))
        return (dt->date == store::recordfile::kOleDayZero ? dt->time.toString("HH:mm:ss")
                                                             : dt->date.toString("yyyy-MM-dd"))
            .toStdString();
    return {};
}

std::vector<RawRow> rawRows(const QString &file) {
    namespace ex = store::exchange;
    // The code, then the named columns of the kind, in the order of the INSERT of its table.
    auto at = [](std::initializer_list<const char *> names) {
        std::vector<int> positions{ex::kCodeColumn};
        for (const char *name : names) positions.push_back(ex::columnAt(QString::fromLatin1(name)));
        return positions;
    };
    const std::vector<std::vector<int>> columns = {
        at({"aName", "aName", "aCOORDINATES", "aWGS_DLAT", "aWGS_DLONG", "aELEV", "aPR", "aMAG_VAR", "aRwyALen",
            "aRwyGlen", "aType", "aDate", "aTime"}),
        at({"cName", "cFREQ", "cDate", "cTime"}),
        at({"iRWY", "iILS_FREQ", "iILS_IDENT", "iILS_GS", "iOM_FREQ", "iOM_IDENT", "iDate", "iTime"}),
        at({"rRWY", "rRWYHDG", "rSLOPE", "rLENGTH", "rWIDTH", "rSURFACE", "rRWYLOW", "rRWYHIGH", "rDate", "rTime"}),
        at({"mMyInfo", "mCategory", "mPrintInfo", "mDate", "mTime"})};
    const QStringList kinds = {"ARPT", "COM", "ILS", "RWY", "MyInfo"};
    std::vector<RawRow> rows;
    store::recordfile::Reader reader;
    check(reader.open(file).error().isEmpty());
    store::recordfile::Row row;
    while (reader.next(row)) {
        const int table = int(kinds.indexOf(std::get<QString>(row[ex::kKindColumn])));
        RawRow r{table, {}};
        for (int c : columns[table]) r.values.push_back(raw(row[std::size_t(c)]));
        rows.push_back(std::move(r));
    }
    return rows;
}

void BM_RawBulkInsert(benchmark::State &state) {
    Fixture &f = fixture();
    const std::vector<RawRow> rows = rawRows(f.file);
    const QString target = f.dir.filePath("raw.vmd");
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(target);
        {
            store::Database empty;
            check(empty.open(target, store::Database::Mode::Create).ok());  // with the schema and its indexes
        }
        sqlite3 *db = nullptr;
        sqlite3_open_v2(target.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(db, store::key::kRawKeyPragma, nullptr, nullptr, nullptr);
        check(store::addAirportPlaceFunctions(db) == SQLITE_OK);  // the airport triggers call them
        sqlite3_exec(db, "SELECT count(*) FROM sqlite_master;", nullptr, nullptr, nullptr);
        state.ResumeTiming();
        std::vector<sqlite3_stmt *> inserts;
        for (const char *sql : kRawInserts) {
            sqlite3_stmt *s = nullptr;
            check(sqlite3_prepare_v2(db, sql, -1, &s, nullptr) == SQLITE_OK);
            inserts.push_back(s);
        }
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        for (const RawRow &r : rows) {
            sqlite3_stmt *s = inserts[r.table];
            sqlite3_reset(s);
            for (int i = 0; i < int(r.values.size()); ++i) {
                const RawValue &v = r.values[i];
                if (const auto *t = std::get_if<std::string>(&v))
                    sqlite3_bind_text(s, i + 1, t->data(), int(t->size()), SQLITE_STATIC);
                else if (const auto *n = std::get_if<long long>(&v))
                    sqlite3_bind_int64(s, i + 1, *n);
                else if (const auto *d = std::get_if<double>(&v))
                    sqlite3_bind_double(s, i + 1, *d);
                else
                    sqlite3_bind_null(s, i + 1);
            }
            check(sqlite3_step(s) == SQLITE_DONE);
        }
        check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK);
        for (sqlite3_stmt *s : inserts) sqlite3_finalize(s);
        state.PauseTiming();
        sqlite3_close(db);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RawBulkInsert)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
