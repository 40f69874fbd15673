// An airport's map links on a copy of the shipped database with ten links on
// each of 5,000 airports: the store's read beside the bare statement it rests
// on, measured in the same run, and the read as the viewer resolves its paths.
#include "bench/ShippedCopy.h"
#include "browser/MapLinks.h"
#include "store/DatabaseKey.h"
#include "store/Statements.h"

#include <sqlcipher/sqlite3.h>

#include <QDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

using namespace volmira;

namespace {

constexpr int kLinkedAirports = 5000;

void check(int rc) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) std::abort();
}

struct Fixture : bench::ShippedCopy {
    sqlite3 *raw = nullptr;
    sqlite3_stmt *links = nullptr;
    std::vector<QByteArray> icaos;  // the airports with links

    Fixture() {
        check(sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE, nullptr));
        check(sqlite3_exec(raw, store::key::kRawKeyPragma, nullptr, nullptr, nullptr));
        // The files lie in the copy's own map folder, so that every path is found as stored.
        const QString folder = dir.filePath("Karten/Flughafen");
        if (!QDir().mkpath(folder)) std::abort();
        for (int n = 0; n < 10; ++n) {
            QFile file(QStringLiteral("%1/karte%2.jpg").arg(folder).arg(n));
            if (!file.open(QIODevice::WriteOnly)) std::abort();
        }
        sqlite3_stmt *add = nullptr;
        check(sqlite3_prepare_v2(raw,
                                 "WITH RECURSIVE n(value) AS (SELECT 0 UNION ALL SELECT value + 1 FROM n WHERE value < 9) "
                                 "INSERT INTO MAPDATA (ICAO, Number, Name, Location, File, Active, W1, H1, SX, SY, SW, "
                                 "SH, SlideMap) SELECT a.ICAO, n.value, 'Karte ' || n.value, ?1, 'karte' || n.value || "
                                 "'.jpg', n.value = 3, 800, 600, 10, 20, 400, 300, 50 FROM (SELECT ICAO FROM ARPT "
                                 "ORDER BY ICAO LIMIT ?2) a, n",
                                 -1, &add, nullptr));
        const QByteArray location = folder.toUtf8();
        sqlite3_bind_text(add, 1, location.constData(), -1, SQLITE_STATIC);
        sqlite3_bind_int(add, 2, kLinkedAirports);
        check(sqlite3_exec(raw, "BEGIN", nullptr, nullptr, nullptr));
        check(sqlite3_step(add));
        sqlite3_finalize(add);
        check(sqlite3_exec(raw, "COMMIT", nullptr, nullptr, nullptr));
        sqlite3_stmt *some = nullptr;
        check(sqlite3_prepare_v2(raw, "SELECT ICAO FROM ARPT ORDER BY ICAO LIMIT 64 OFFSET 2000", -1, &some, nullptr));
        while (sqlite3_step(some) == SQLITE_ROW)
            icaos.emplace_back(reinterpret_cast<const char *>(sqlite3_column_text(some, 0)));
        sqlite3_finalize(some);
        check(sqlite3_prepare_v2(raw, store::sql::kMapLinks.c_str(), -1, &links, nullptr));
    }
};

Fixture &fixture() {
    static Fixture f;
    return f;
}

void MapLinksRead(benchmark::State &state) {
    Fixture &f = fixture();
    std::vector<QString> codes(f.icaos.begin(), f.icaos.end());
    std::size_t i = 0;
    for (auto _ : state) {
        auto rows = f.airports->maps.ofAirport(codes[i++ % codes.size()]);
        if (!rows || rows->size() != 10) state.SkipWithError("links missing");
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(MapLinksRead)->Unit(benchmark::kMicrosecond);

void MapLinksReadRawSql(benchmark::State &state) {
    Fixture &f = fixture();
    std::size_t i = 0;
    for (auto _ : state) {
        sqlite3_reset(f.links);
        sqlite3_bind_text(f.links, 1, f.icaos[i++ % f.icaos.size()].constData(), -1, SQLITE_STATIC);
        int rc;
        while ((rc = sqlite3_step(f.links)) == SQLITE_ROW)
            for (int c = 0; c < sqlite3_column_count(f.links); ++c)
                benchmark::DoNotOptimize(sqlite3_column_text(f.links, c));
        check(rc);
    }
}
BENCHMARK(MapLinksReadRawSql)->Unit(benchmark::kMicrosecond);

// The links as the map panel takes them: each path checked on disk.
void MapSlotsResolved(benchmark::State &state) {
    Fixture &f = fixture();
    std::vector<QString> codes(f.icaos.begin(), f.icaos.end());
    const QString dataFolder = f.dir.path();
    std::size_t i = 0;
    for (auto _ : state) {
        auto found = browser::readMapSlots(f.airports->maps, codes[i++ % codes.size()], dataFolder);
        if (!found || found->size() != 10 || !found->front().file.exists) state.SkipWithError("links missing");
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(MapSlotsResolved)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
