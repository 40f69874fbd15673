// The edit operations and the editing queries on the full shipped database,
// each beside the same statements on a bare SQLCipher connection, in one
// transaction where the operation has one, measured in the same run.
#include "editing/EditOperations.h"
#include "bench/ShippedCopy.h"
#include "platform/Clock.h"
#include "store/AirportStore.h"
#include "store/Database.h"
#include "store/DatabaseKey.h"
#include "store/PlaceIndex.h"
#include "store/Statements.h"
#include "store/Tables.h"

#include <sqlcipher/sqlite3.h>

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>
#include <string>

using namespace volmira;

namespace {

using Fixture = bench::ShippedCopy;

Fixture &fixture() {
    static Fixture f;
    return f;
}

const char *const kAirports[] = {"EDDF", "EDHN", "KJFK", "YSSY", "LFPG", "EGLL", "EDLE", "LOWW"};
const editing::RunwayEntry kRunway{"07L / 25R", "066 / 246", "07L", "25R", 800, 23, "", 1};
const editing::AirportEntry kAirport{"", "Neumünster", "1000 ft", "5404.8 N / 00956.5 E", 54.08, 9.941667, 72, 4,
                                     "SLP"};

// A second, bare connection on the same file.
struct Raw {
    sqlite3 *db = nullptr;

    Raw() {
        sqlite3_open_v2(fixture().path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(db, store::key::kRawKeyPragma, nullptr, nullptr, nullptr);
        store::addAirportPlaceFunctions(db);  // the airport triggers call them
    }
    sqlite3_stmt *prepare(const std::string &sql) {
        sqlite3_stmt *s = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr) != SQLITE_OK) std::abort();
        return s;
    }
    void exec(const char *sql) {
        if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) std::abort();
    }
    // Binds the texts in order, steps through every row and reads every column in its own type.
    static void run(sqlite3_stmt *s, std::initializer_list<const char *> values) {
        sqlite3_reset(s);
        int i = 1;
        for (const char *value : values) sqlite3_bind_text(s, i++, value, -1, SQLITE_STATIC);
        while (sqlite3_step(s) == SQLITE_ROW)
            for (int c = 0; c < sqlite3_column_count(s); ++c) {
                switch (sqlite3_column_type(s, c)) {
                case SQLITE_INTEGER: benchmark::DoNotOptimize(sqlite3_column_int64(s, c)); break;
                case SQLITE_FLOAT: benchmark::DoNotOptimize(sqlite3_column_double(s, c)); break;
                default: benchmark::DoNotOptimize(sqlite3_column_text(s, c));
                }
            }
    }
};

Raw &raw() {
    static Raw r;
    return r;
}

// Removes the runway an iteration added, outside the timing.
void removeRunway(benchmark::State &state, long long id) {
    state.PauseTiming();
    static sqlite3_stmt *remove = raw().prepare("DELETE FROM RWY WHERE id = ?");
    sqlite3_reset(remove);
    sqlite3_bind_int64(remove, 1, id);
    if (sqlite3_step(remove) != SQLITE_DONE) std::abort();
    state.ResumeTiming();
}

void RunwayAdd(benchmark::State &state) {
    store::AirportStore &airports = *fixture().airports;
    std::size_t i = 0;
    for (auto _ : state) {
        const auto added = editing::addRunway(airports, kAirports[i++ % std::size(kAirports)], kRunway);
        if (!added) state.SkipWithError(added.error().toStdString().c_str());
        removeRunway(state, std::get<editing::RunwayWrite>(*added).runway.id);
    }
}
BENCHMARK(RunwayAdd)->Unit(benchmark::kMillisecond);

void RunwayAddRawSql(benchmark::State &state) {
    Raw &r = raw();
    static sqlite3_stmt *airport = r.prepare(store::sql::kAirportByIcao);
    static sqlite3_stmt *insert = r.prepare(store::rwyTable().insert());
    static sqlite3_stmt *runways = r.prepare(store::sql::kRunways);
    static sqlite3_stmt *lengths = r.prepare("UPDATE ARPT SET RwyALen = ?, RwyGLen = ? WHERE ICAO = ?");
    static sqlite3_stmt *stamps = r.prepare(store::sql::kChangeStamps);
    static sqlite3_stmt *lastDate = r.prepare("UPDATE ARPT SET LastDate = ? WHERE ICAO = ?");
    std::size_t i = 0;
    for (auto _ : state) {
        const char *icao = kAirports[i++ % std::size(kAirports)];
        r.exec("SAVEPOINT vm;");
        Raw::run(airport, {icao});
        sqlite3_reset(insert);
        int p = 1;
        for (const char *text : {icao, "07L / 25R", "07L", "25R", "066 / 246", ""})
            sqlite3_bind_text(insert, p++, text, -1, SQLITE_STATIC);
        for (int value : {800, 23, 1}) sqlite3_bind_int(insert, p++, value);
        sqlite3_bind_text(insert, p++, "2026-12-06", -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, p++, "12:00:00", -1, SQLITE_STATIC);
        if (sqlite3_step(insert) != SQLITE_DONE) std::abort();
        Raw::run(runways, {icao});
        Raw::run(lengths, {"0", "800", icao});
        Raw::run(stamps, {icao});
        Raw::run(lastDate, {"2026-12-06", icao});
        r.exec("RELEASE vm;");
        removeRunway(state, sqlite3_last_insert_rowid(r.db));
    }
}
BENCHMARK(RunwayAddRawSql)->Unit(benchmark::kMillisecond);

// The disk's share of every write above: one transaction that rewrites one row.
void CommitRawSql(benchmark::State &state) {
    Raw &r = raw();
    static sqlite3_stmt *touch = r.prepare("UPDATE ARPT SET LastDate = LastDate WHERE ICAO = ?");
    std::size_t i = 0;
    for (auto _ : state) {
        r.exec("SAVEPOINT vm;");
        Raw::run(touch, {kAirports[i++ % std::size(kAirports)]});
        r.exec("RELEASE vm;");
    }
}
BENCHMARK(CommitRawSql)->Unit(benchmark::kMillisecond);

void AirportChange(benchmark::State &state) {
    store::AirportStore &airports = *fixture().airports;
    std::size_t i = 0;
    // Each change names the stamp the airport had, as the dialog does: the one the change before left.
    std::map<QString, store::Stamp> stamps;
    for (const char *icao : kAirports) stamps[icao] = store::stampOf(airports.reads.airportByIcao(icao).value().value());
    for (auto _ : state) {
        const char *icao = kAirports[i++ % std::size(kAirports)];
        const auto changed = editing::changeAirport(airports, icao, stamps[icao], kAirport);
        if (!changed || !std::holds_alternative<store::ArptRow>(*changed)) {
            state.SkipWithError(changed ? "changed meanwhile" : changed.error().toStdString().c_str());
            break;
        }
        stamps[icao] = store::stampOf(std::get<store::ArptRow>(*changed));
    }
}
BENCHMARK(AirportChange)->Unit(benchmark::kMillisecond);

void AirportChangeRawSql(benchmark::State &state) {
    Raw &r = raw();
    static sqlite3_stmt *airport = r.prepare(store::sql::kAirportByIcao);
    static sqlite3_stmt *update = r.prepare(store::arptTable().update("Name", "Time", "WHERE ICAO = ?"));
    static sqlite3_stmt *stamps = r.prepare(store::sql::kChangeStamps);
    static sqlite3_stmt *lastDate = r.prepare("UPDATE ARPT SET LastDate = ? WHERE ICAO = ?");
    std::size_t i = 0;
    for (auto _ : state) {
        const char *icao = kAirports[i++ % std::size(kAirports)];
        r.exec("SAVEPOINT vm;");
        Raw::run(airport, {icao});
        Raw::run(update, {"Neumünster", "neumünster", "5404.8 N / 00956.5 E", "54.08", "9.941667", "72", "1000 ft",
                          "4", "0", "0", "SLP", "2026-12-06", "12:00:00", icao});
        Raw::run(stamps, {icao});
        Raw::run(lastDate, {"2026-12-06", icao});
        Raw::run(airport, {icao});
        r.exec("RELEASE vm;");
    }
}
BENCHMARK(AirportChangeRawSql)->Unit(benchmark::kMillisecond);

void RunwayLengths(benchmark::State &state) {
    store::AirportStore &airports = *fixture().airports;
    std::size_t i = 0;
    for (auto _ : state) {
        const auto runways = airports.reads.runways(kAirports[i++ % std::size(kAirports)]);
        benchmark::DoNotOptimize(editing::runwayLengths(*runways));
    }
}
BENCHMARK(RunwayLengths)->Unit(benchmark::kMicrosecond);

void RunwayLengthsRawSql(benchmark::State &state) {
    static sqlite3_stmt *runways = raw().prepare(store::sql::kRunways);
    std::size_t i = 0;
    for (auto _ : state) Raw::run(runways, {kAirports[i++ % std::size(kAirports)]});
}
BENCHMARK(RunwayLengthsRawSql)->Unit(benchmark::kMicrosecond);

void DuplicateQuery(benchmark::State &state) {
    const editing::DuplicateQuery taken = editing::duplicateQuery(*fixture().airports);
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(taken(QString::fromLatin1(kAirports[i++ % std::size(kAirports)])));
}
BENCHMARK(DuplicateQuery)->Unit(benchmark::kMicrosecond);

void DuplicateQueryRawSql(benchmark::State &state) {
    static sqlite3_stmt *exists = raw().prepare("SELECT 1 FROM ARPT WHERE ICAO = ? LIMIT 1");
    std::size_t i = 0;
    for (auto _ : state) Raw::run(exists, {kAirports[i++ % std::size(kAirports)]});
}
BENCHMARK(DuplicateQueryRawSql)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
