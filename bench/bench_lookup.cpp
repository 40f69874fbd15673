// Lookup, name quick-find and country list on the full shipped database, each
// beside the raw SQLCipher statements it rests on, measured in the same run.
#include "browser/AirportLookup.h"
#include "bench/ShippedCopy.h"
#include "platform/Clock.h"
#include "store/AirportStore.h"
#include "store/Database.h"
#include "store/DatabaseKey.h"
#include "store/Statements.h"
#include "store/TextKeys.h"

#include <sqlcipher/sqlite3.h>

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <tuple>
#include <vector>

using namespace volmira;

namespace {

using Fixture = bench::ShippedCopy;

Fixture &fixture() {
    static Fixture f;
    return f;
}

// A second, bare connection for the raw statements.
struct Raw {
    sqlite3 *db = nullptr;
    std::vector<sqlite3_stmt *> statements;

    Raw() {
        sqlite3_open_v2(fixture().path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_exec(db, store::key::kRawKeyPragma, nullptr, nullptr, nullptr);
        sqlite3_exec(db, store::kCacheSizePragma, nullptr, nullptr, nullptr);
    }
    sqlite3_stmt *prepare(const char *sql) {
        sqlite3_stmt *s = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &s, nullptr) != SQLITE_OK) std::abort();
        statements.push_back(s);
        return s;
    }
    // Binds one text, steps through every row and reads every column in its own type.
    static void run(sqlite3_stmt *s, const char *value, const char *value2 = nullptr) {
        sqlite3_reset(s);
        sqlite3_bind_text(s, 1, value, -1, SQLITE_STATIC);
        if (value2) sqlite3_bind_text(s, 2, value2, -1, SQLITE_STATIC);
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

const char *const kLookupStatements[] = {store::sql::kAirportByIcao.c_str(), store::sql::kRunways.c_str(),
                                         store::sql::kFrequencies.c_str(), store::sql::kApproaches.c_str(),
                                         store::sql::kChangeStamps};

const char *const kAirports[] = {"EDDF", "EDHN", "KJFK", "YSSY", "LFPG", "EGLL", "EDLE", "LOWW"};

void Lookup(benchmark::State &state) {
    store::AirportStore &airports = *fixture().airports;
    const QDate day(2026, 6, 21);
    std::size_t i = 0;
    for (auto _ : state) {
        auto view = browser::lookupAirport(airports, QString::fromLatin1(kAirports[i++ % std::size(kAirports)]), day);
        if (!view || !*view) state.SkipWithError("airport missing");
        benchmark::DoNotOptimize(view);
    }
}
BENCHMARK(Lookup);

void LookupRawSql(benchmark::State &state) {
    static Raw raw;
    static std::vector<sqlite3_stmt *> statements;
    if (statements.empty())
        for (const char *sql : kLookupStatements) statements.push_back(raw.prepare(sql));
    std::size_t i = 0;
    for (auto _ : state) {
        const char *icao = kAirports[i++ % std::size(kAirports)];
        for (sqlite3_stmt *s : statements) Raw::run(s, icao);
    }
}
BENCHMARK(LookupRawSql);

void FindTwoLetters(benchmark::State &state) {
    store::AirportStore &airports = *fixture().airports;
    for (auto _ : state) benchmark::DoNotOptimize(airports.reads.findByName(QStringLiteral("Fr")));
}
BENCHMARK(FindTwoLetters)->Unit(benchmark::kMicrosecond);

void FindTwoLettersRawSql(benchmark::State &state) {
    static Raw raw;
    static sqlite3_stmt *s = raw.prepare(store::sql::kNamePrefix.c_str());
    sqlite3_bind_int(s, 3, -1);  // every name, from the first
    sqlite3_bind_int(s, 4, 0);
    for (auto _ : state) Raw::run(s, "fr", "fr\xF4\x8F\xBF\xBF");
}
BENCHMARK(FindTwoLettersRawSql)->Unit(benchmark::kMicrosecond);

// The quick find as the window runs it on every key, its first screenful, on
// what a pilot types: one letter, a city in German, a word inside a name, a
// name's beginning.
const char *const kTyped[] = {"F", "K\u00F6ln", "M\u00FCnchen", "Main", "Frankf"};
constexpr int kScreenful = 100;

void QuickFind(benchmark::State &state) {
    store::AirportStore &airports = *fixture().airports;
    const QString typed = QString::fromUtf8(kTyped[state.range(0)]);
    for (auto _ : state) {
        auto found = airports.reads.findAirports(typed, 0, kScreenful);
        if (!found || found->rows.empty()) state.SkipWithError("no hit");
        benchmark::DoNotOptimize(found);
    }
    state.SetLabel(kTyped[state.range(0)]);
}
BENCHMARK(QuickFind)->DenseRange(0, std::size(kTyped) - 1)->Unit(benchmark::kMicrosecond);

// The same statements with the same keys on the bare connection: the check
// for the search names, the names' first screenful (and a row more) and, when
// the names end there, the two further kinds of hit (the city's only when no
// name begins with the text).
void QuickFindRawSql(benchmark::State &state) {
    static Raw raw;
    static sqlite3_stmt *names = raw.prepare(store::sql::kNamePrefix.c_str());
    static sqlite3_stmt *has = raw.prepare(store::sql::kHasTable);
    static sqlite3_stmt *places = raw.prepare(store::sql::kSearchNamePrefix.c_str());
    static sqlite3_stmt *words = raw.prepare(store::sql::kSearchNamePrefix.c_str());
    // The sources and the limit; Raw::run binds only the two keys anew.
    for (const auto &[statement, first, last] : {std::tuple{places, 1, 2}, {words, 3, 3}}) {
        sqlite3_bind_int(statement, 3, first);
        sqlite3_bind_int(statement, 4, last);
        sqlite3_bind_int(statement, 5, 100);
    }
    sqlite3_bind_int(names, 3, kScreenful + 1);
    sqlite3_bind_int(names, 4, 0);
    const QString typed = QString::fromUtf8(kTyped[state.range(0)]);
    const QByteArray name = store::foldName(typed).toUtf8(), key = store::germanSortKey(typed).toUtf8();
    const QByteArray nameEnd = name + "\xF4\x8F\xBF\xBF", keyEnd = key + "\xF4\x8F\xBF\xBF";
    for (sqlite3_stmt *statement : {places, words}) {
        sqlite3_bind_text(statement, 6, name.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(statement, 7, nameEnd.constData(), -1, SQLITE_TRANSIENT);
    }
    sqlite3_reset(names);
    sqlite3_bind_text(names, 1, name.constData(), -1, SQLITE_STATIC);
    sqlite3_bind_text(names, 2, nameEnd.constData(), -1, SQLITE_STATIC);
    int named = 0;
    while (sqlite3_step(names) == SQLITE_ROW) ++named;
    for (auto _ : state) {
        Raw::run(has, "SearchName");
        Raw::run(names, name.constData(), nameEnd.constData());
        if (named > kScreenful) continue;
        if (named == 0) Raw::run(places, key.constData(), keyEnd.constData());
        Raw::run(words, key.constData(), keyEnd.constData());
    }
    state.SetLabel(kTyped[state.range(0)]);
}
BENCHMARK(QuickFindRawSql)->DenseRange(0, std::size(kTyped) - 1)->Unit(benchmark::kMicrosecond);

void Countries(benchmark::State &state) {
    store::AirportStore &airports = *fixture().airports;
    for (auto _ : state) {
        benchmark::DoNotOptimize(airports.lists.countries());
        benchmark::DoNotOptimize(airports.lists.airportCount());
    }
}
BENCHMARK(Countries)->Unit(benchmark::kMillisecond);

void CountriesRawSql(benchmark::State &state) {
    static Raw raw;
    static sqlite3_stmt *s = raw.prepare(store::sql::kCountries);
    static sqlite3_stmt *count = raw.prepare("SELECT count(*) FROM ARPT");
    for (auto _ : state) {
        Raw::run(s, nullptr);
        Raw::run(count, nullptr);
    }
}
BENCHMARK(CountriesRawSql)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
