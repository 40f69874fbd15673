// Lookup, name quick-find and country list on the full shipped database, each
// beside the raw SQLCipher statements it rests on, measured in the same run.
#include "browser/AirportLookup.h"
#include "platform/Clock.h"
#include "store/AirportStore.h"
#include "store/Database.h"

#include <sqlcipher/sqlite3.h>

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

using namespace volmira;

namespace {

// The shipped database, copied so the benchmark never touches the build's file.
struct Fixture {
    QTemporaryDir dir;
    QString path = dir.filePath("vmdata.vmd");
    platform::SystemClock clock;
    store::Database db;
    std::unique_ptr<store::AirportStore> airports;

    Fixture() {
        if (!QFile::copy(VOLMIRA_BINARY_DIR "/vmdata-shipped.vmd", path) || !db.open(path).ok()) std::abort();
        airports = std::make_unique<store::AirportStore>(db, clock);
    }
};

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
        sqlite3_exec(db, "PRAGMA key = 'kestrel52-118';", nullptr, nullptr, nullptr);
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

const char *const kLookupStatements[] = {
    "SELECT ICAO, Name, COORDINATES, WGS_DLAT, WGS_DLONG, ELEV, PR, MAG_VAR, RwyALen, RwyGLen, Type, Date, Time, "
    "LastDate, LastKat FROM ARPT WHERE ICAO = ?",
    "SELECT id, ICAO, RWY, RwyLow, RwyHigh, RWYHDG, SLOPE, Length, Width, SURFACE, Date, Time "
    "FROM RWY WHERE ICAO = ? ORDER BY RWY COLLATE NOCASE ASC, id",
    "SELECT id, ICAO, Name, FREQ, Date, Time FROM ACOM WHERE ICAO = ? ORDER BY Name COLLATE NOCASE ASC, id",
    "SELECT id, ICAO, RWY, ILS_FREQ, ILS_IDENT, ILS_GS, OM_FREQ, OM_IDENT, Date, Time "
    "FROM ILS WHERE ICAO = ? ORDER BY RWY COLLATE NOCASE ASC, id",
    "SELECT * FROM (SELECT 1, 'RWY Info', Date, Time FROM RWY WHERE ICAO = ?1 ORDER BY Date DESC, Time DESC LIMIT 1) "
    "UNION ALL SELECT * FROM (SELECT 2, 'COM Info', Date, Time FROM ACOM WHERE ICAO = ?1 "
    "ORDER BY Date DESC, Time DESC LIMIT 1) "
    "UNION ALL SELECT * FROM (SELECT 3, 'Approach Info', Date, Time FROM ILS WHERE ICAO = ?1 "
    "ORDER BY Date DESC, Time DESC LIMIT 1) "
    "UNION ALL SELECT * FROM (SELECT 4, 'Flughafen Info', Date, Time FROM ARPT WHERE ICAO = ?1 "
    "ORDER BY Date DESC, Time DESC LIMIT 1) "
    "UNION ALL SELECT * FROM (SELECT 5, 'Info Kategorie: ' || coalesce(Category, ''), Date, Time FROM MyInfo "
    "WHERE ICAO = ?1 ORDER BY Date DESC, Time DESC LIMIT 1) ORDER BY 1",
};

const char *const kAirports[] = {"EDDF", "EDHN", "KJFK", "YSSY", "LFPG", "EGLL", "EDLE", "LOWW"};

void Lookup(benchmark::State &state) {
    store::AirportStore &airports = *fixture().airports;
    const QDate day(2026, 6, 21);
    std::size_t i = 0;
    for (auto _ : state) {
        auto view = browser::lookupAirport(airports, QString::fromLatin1(kAirports[i++ % std::size(kAirports)]), day);
        if (!view) state.SkipWithError("airport missing");
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
    for (auto _ : state) benchmark::DoNotOptimize(browser::findAirportsByName(airports, QStringLiteral("Fr")));
}
BENCHMARK(FindTwoLetters)->Unit(benchmark::kMicrosecond);

void FindTwoLettersRawSql(benchmark::State &state) {
    static Raw raw;
    static sqlite3_stmt *s = raw.prepare("SELECT Name, ICAO FROM ARPT WHERE NameKey >= ?1 AND NameKey < ?2");
    for (auto _ : state) Raw::run(s, "fr", "fr\xF4\x8F\xBF\xBF");
}
BENCHMARK(FindTwoLettersRawSql)->Unit(benchmark::kMicrosecond);

void Countries(benchmark::State &state) {
    store::AirportStore &airports = *fixture().airports;
    for (auto _ : state) {
        benchmark::DoNotOptimize(airports.countries());
        benchmark::DoNotOptimize(airports.airportCount());
    }
}
BENCHMARK(Countries)->Unit(benchmark::kMillisecond);

void CountriesRawSql(benchmark::State &state) {
    static Raw raw;
    static sqlite3_stmt *s = raw.prepare(
        "SELECT p, n, (SELECT Name FROM ICAOCODE WHERE ICAOCODE.ICAO = p LIMIT 1) FROM "
        "(SELECT upper(substr(ICAO, 1, 2)) AS p, count(*) AS n FROM ARPT GROUP BY 1)");
    static sqlite3_stmt *count = raw.prepare("SELECT count(*) FROM ARPT");
    for (auto _ : state) {
        Raw::run(s, nullptr);
        Raw::run(count, nullptr);
    }
}
BENCHMARK(CountriesRawSql)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
