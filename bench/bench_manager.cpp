// The database manager's store work on the full shipped database, each beside
// the raw SQLCipher statements it rests on, measured in the same run: the
// filtered list of the largest prefix, the changed airports, deleting EDDF.
#include "bench/ShippedCopy.h"
#include "platform/Clock.h"
#include "store/AirportStore.h"
#include "store/Database.h"
#include "store/DatabaseKey.h"
#include "store/ManagerStatements.h"
#include "store/Table.h"

#include <sqlcipher/sqlite3.h>

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace volmira;
using store::AirportFilter;
using store::SurfaceFilter;
using store::TypeFilter;

namespace {

constexpr const char *kChangedSince = "2000-01-01";

// A copy of the shipped database in which 1,000 airports changed after the database date.
struct Fixture : bench::ShippedCopy {
    Fixture() {
        if (!db.exec("UPDATE Version SET DatabaseVersion = '01.01.2000';"
                     "UPDATE ARPT SET LastDate = '1999-12-31';"
                     "UPDATE ARPT SET LastDate = '2026-12-01' WHERE rowid IN "
                     "(SELECT rowid FROM ARPT WHERE rowid % 19 = 0 LIMIT 1000);")
                 .ok())
            std::abort();
    }
};

Fixture &fixture() {
    static Fixture f;
    return f;
}

// A second, bare connection for the raw statements.
struct Raw {
    sqlite3 *db = nullptr;

    Raw() {
        sqlite3_open_v2(fixture().path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(db, store::key::kRawKeyPragma, nullptr, nullptr, nullptr);
    }
    sqlite3_stmt *prepare(const char *sql) const {
        sqlite3_stmt *s = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &s, nullptr) != SQLITE_OK) std::abort();
        return s;
    }
    // Steps through every row and reads every column in its own type.
    static void readAll(sqlite3_stmt *s) {
        while (sqlite3_step(s) == SQLITE_ROW)
            for (int c = 0; c < sqlite3_column_count(s); ++c) {
                switch (sqlite3_column_type(s, c)) {
                case SQLITE_INTEGER: benchmark::DoNotOptimize(sqlite3_column_int64(s, c)); break;
                case SQLITE_FLOAT: benchmark::DoNotOptimize(sqlite3_column_double(s, c)); break;
                default: benchmark::DoNotOptimize(sqlite3_column_text(s, c));
                }
            }
        sqlite3_reset(s);
    }
};

Raw &raw() {
    static Raw r;
    return r;
}

const AirportFilter kFilters[] = {{SurfaceFilter::Any, TypeFilter::Any, 0}, {SurfaceFilter::Hard, TypeFilter::VLP, 1000}};

// Argument 0: the default filter (every box checked, length 0); 1: hard, VLP, 1000 m.
void FilteredListSS(benchmark::State &state) {
    const AirportFilter filter = kFilters[state.range(0)];
    std::size_t count = 0;
    for (auto _ : state) {
        auto list = fixture().airports->lists.airportList(QStringLiteral("SS"), filter);
        if (!list) state.SkipWithError("list failed");
        count = list->size();
    }
    state.counters["airports"] = double(count);
}
BENCHMARK(FilteredListSS)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void FilteredListSSRawSql(benchmark::State &state) {
    const AirportFilter filter = kFilters[state.range(0)];
    sqlite3_stmt *s = raw().prepare(store::sql::airportList(filter.surface, filter.type).c_str());
    sqlite3_bind_text(s, 1, "SS", -1, SQLITE_STATIC);
    sqlite3_bind_text(s, 2, "SS\xF4\x8F\xBF\xBF", -1, SQLITE_STATIC);
    sqlite3_bind_int(s, 3, filter.minLength);
    for (auto _ : state) Raw::readAll(s);
    sqlite3_finalize(s);
}
BENCHMARK(FilteredListSSRawSql)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void ChangedAirports(benchmark::State &state) {
    std::size_t count = 0;
    for (auto _ : state) {
        auto changed = fixture().airports->lists.changedAirports();
        if (!changed) state.SkipWithError("changed failed");
        count = changed->size();
    }
    state.counters["airports"] = double(count);
}
BENCHMARK(ChangedAirports)->Unit(benchmark::kMillisecond);

void ChangedAirportsRawSql(benchmark::State &state) {
    static sqlite3_stmt *version = raw().prepare("SELECT DatabaseVersion FROM Version LIMIT 1");
    static sqlite3_stmt *s = raw().prepare(store::sql::kChangedAirports.c_str());
    for (auto _ : state) {
        Raw::readAll(version);
        sqlite3_bind_text(s, 1, kChangedSince, -1, SQLITE_STATIC);
        Raw::readAll(s);
    }
}
BENCHMARK(ChangedAirportsRawSql)->Unit(benchmark::kMillisecond);

// EDDF's rows, put back before each deletion with the clock stopped.
struct Eddf {
    store::ArptRow airport;
    std::vector<store::RwyRow> runways;
    std::vector<store::AcomRow> frequencies;

    Eddf() {
        store::AirportReads &reads = fixture().airports->reads;
        airport = **reads.airportByIcao("EDDF");
        runways = *reads.runways("EDDF");
        frequencies = *reads.frequencies("EDDF");
    }
    void restore() const {
        store::Database &db = fixture().db;
        store::Transaction tx(db);
        bool ok = fixture().airports->edits.insertAirport(airport).ok();
        for (const auto &r : runways) ok = ok && store::insertRow(db, store::rwyTable(), r).ok();
        for (const auto &f : frequencies) ok = ok && store::insertRow(db, store::acomTable(), f).ok();
        if (!ok || !tx.commit().ok()) std::abort();
    }
};

const Eddf &eddf() {
    static Eddf e;
    return e;
}

void DeleteEddf(benchmark::State &state) {
    eddf();
    for (auto _ : state) {
        auto deleted = fixture().airports->deletion.deleteAirport(QStringLiteral("EDDF"));
        if (!deleted || !*deleted) state.SkipWithError("delete failed");
        state.PauseTiming();
        eddf().restore();
        state.ResumeTiming();
    }
}
BENCHMARK(DeleteEddf)->Unit(benchmark::kMillisecond)->Iterations(40);

void DeleteEddfRawSql(benchmark::State &state) {
    eddf();
    static std::vector<sqlite3_stmt *> deletes;
    if (deletes.empty())
        for (const store::sql::DeleteStep &step : store::sql::kDeleteAirport) deletes.push_back(raw().prepare(step.sql));
    for (auto _ : state) {
        sqlite3_exec(raw().db, "BEGIN", nullptr, nullptr, nullptr);
        for (sqlite3_stmt *s : deletes) {
            sqlite3_bind_text(s, 1, "EDDF", -1, SQLITE_STATIC);
            if (sqlite3_step(s) != SQLITE_DONE) state.SkipWithError("delete failed");
            sqlite3_reset(s);
        }
        if (sqlite3_exec(raw().db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) state.SkipWithError("commit failed");
        state.PauseTiming();
        eddf().restore();
        state.ResumeTiming();
    }
}
BENCHMARK(DeleteEddfRawSql)->Unit(benchmark::kMillisecond)->Iterations(40);

}  // namespace

BENCHMARK_MAIN();
