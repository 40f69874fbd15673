// The airports within 50 and 500 NM of airports around the world, on the full
// shipped database, beside the raw R*Tree statement they rest on; and the
// window's list from its opening until it is shown.
#include "bench/Offscreen.h"
#include "bench/ShippedCopy.h"
#include "browser/Nearby.h"
#include "browser/ui/frmNearby.h"
#include "store/DatabaseKey.h"
#include "store/PlaceIndex.h"

#include <sqlcipher/sqlite3.h>

#include <QApplication>

#include <cstdlib>
#include <memory>
#include <vector>

using namespace volmira;

namespace {

bench::ShippedCopy &fixture() {
    static bench::ShippedCopy f;
    return f;
}

// Frankfurt, New York, Sydney, Auckland near the antimeridian, Longyearbyen far north.
const char *const kCentres[] = {"EDDF", "KJFK", "YSSY", "NZAA", "ENSB"};

std::vector<store::ArptRow> centres() {
    std::vector<store::ArptRow> rows;
    for (const char *code : kCentres) {
        const auto row = fixture().airports->reads.airportByIcao(QString::fromLatin1(code));
        if (!row || !*row) std::abort();
        rows.push_back(**row);
    }
    return rows;
}

const store::AirportFilter kNoFilter{store::SurfaceFilter::Off, store::TypeFilter::Any, 0};

void Nearby(benchmark::State &state) {
    static const std::vector<store::ArptRow> from = centres();
    std::size_t i = 0, found = 0;
    for (auto _ : state) {
        const auto near = browser::nearbyAirports(fixture().db, from[i++ % from.size()], double(state.range(0)), kNoFilter);
        if (!near) state.SkipWithError("nearby failed");
        found += near->size();
    }
    state.counters["airports"] = double(found) / double(state.iterations());
}
BENCHMARK(Nearby)->Arg(50)->Arg(500)->Unit(benchmark::kMicrosecond);

// The candidates' statement alone on a bare connection: the boxes bound, every
// column of every row read.
void RawIndexQuery(benchmark::State &state) {
    static sqlite3 *db = [] {
        sqlite3 *raw = nullptr;
        sqlite3_open_v2(fixture().path.toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_exec(raw, store::key::kRawKeyPragma, nullptr, nullptr, nullptr);
        return raw;
    }();
    static sqlite3_stmt *s = [] {
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(db, store::placeStatement(kNoFilter).c_str(), -1, &statement, nullptr) != SQLITE_OK)
            std::abort();
        return statement;
    }();
    static const std::vector<store::ArptRow> from = centres();
    std::size_t i = 0;
    for (auto _ : state) {
        const std::optional<store::Position> centre = store::earthPosition(from[i++ % from.size()]);
        const std::vector<store::PlaceBox> boxes = store::boxesAround(*centre, double(state.range(0)) * 1852);
        sqlite3_reset(s);
        for (int b = 0; b < 2; ++b) {
            const store::PlaceBox box = b < int(boxes.size()) ? boxes[size_t(b)] : store::kNoPlaceBox;
            sqlite3_bind_double(s, 4 + 4 * b, box.south);
            sqlite3_bind_double(s, 5 + 4 * b, box.north);
            sqlite3_bind_double(s, 6 + 4 * b, box.west);
            sqlite3_bind_double(s, 7 + 4 * b, box.east);
        }
        while (sqlite3_step(s) == SQLITE_ROW)
            for (int c = 0; c < sqlite3_column_count(s); ++c) benchmark::DoNotOptimize(sqlite3_column_text(s, c));
    }
}
BENCHMARK(RawIndexQuery)->Arg(50)->Arg(500)->Unit(benchmark::kMicrosecond);

std::unique_ptr<browser::frmNearby> window;

// From the menu entry until the list is on the screen, with the kept radius of 50 NM.
void NearbyWindow(benchmark::State &state) {
    static const std::vector<store::ArptRow> from = centres();
    std::size_t i = 0;
    for (auto _ : state) {
        window = std::make_unique<browser::frmNearby>(fixture().db, from[i++ % from.size()], fixture().dir.path());
        window->show();
        QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(NearbyWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) { return bench::runOffscreen(argc, argv, window); }
