#include "store/PlaceIndex.h"

#include "support/TableDump.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

#include <functional>

using namespace volmira;
using store::ArptRow;

namespace {

constexpr double kMetresPerNm = 1852;

// The codes the index places within the boxes around a point, sorted.
QStringList placed(test::TempDatabase &t, double latitude, double longitude, double nm,
                   const store::AirportFilter &filter = {store::SurfaceFilter::Off, store::TypeFilter::Any, 0}) {
    const auto rows = store::airportsInBoxes(t.db, store::boxesAround({latitude, longitude}, nm * kMetresPerNm), filter);
    if (!rows) return {rows.error()};
    QStringList codes;
    for (const ArptRow &row : *rows) codes << row.ICAO;
    codes.sort();
    return codes;
}

ArptRow at(const test::TempDatabase &t, const char *icao, const char *coordinates, double latitude, double longitude) {
    ArptRow row = t.airport(icao);
    row.COORDINATES = coordinates;
    row.WGS_DLAT = latitude;  // unsigned, as the dialog writes them
    row.WGS_DLONG = longitude;
    row.RwyALen = 900;
    return row;
}

}  // namespace

// Every way an airport is written moves its place with it, in the same statement.
TEST(PlaceIndex, FollowsEveryAirportWrite) {
    test::TempDatabase t;
    const auto ok = [](const platform::Result<> &r) { EXPECT_EQ(r.error(), ""); };
    const struct {
        const char *step;
        std::function<void()> write;
        double latitude, longitude;
        QStringList expected;
    } steps[] = {
        {"add", [&] { ok(t.store->edits.insertAirport(at(t, "EDXA", "5000.0 N / 00800.0 E", 50, 8))); }, 50, 8, {"EDXA"}},
        {"south west", [&] { ok(t.store->edits.insertAirport(at(t, "SAXA", "5000.0 S / 00800.0 W", 50, 8))); }, -50, -8, {"SAXA"}},
        {"change", [&] { EXPECT_TRUE(t.store->rows.changeAirport(at(t, "EDXA", "5100.0 N / 00800.0 E", 51, 8)).value()); }, 51, 8, {"EDXA"}},
        {"left the old place", [] {}, 50, 8, {}},
        {"import", [&] { ok(t.store->edits.replaceAirport(at(t, "SAXA", "4000.0 S / 00800.0 W", 40, 8))); }, -40, -8, {"SAXA"}},
        {"import of a new airport", [&] { ok(t.store->edits.replaceAirport(at(t, "SAXB", "4001.0 S / 00800.0 W", 40.0167, 8))); }, -40, -8, {"SAXA", "SAXB"}},
        {"delete", [&] { EXPECT_TRUE(t.store->deletion.deleteAirport("EDXA").value()); }, 51, 8, {}},
        {"no position", [&] { ok(t.store->edits.replaceAirport(at(t, "SAXB", "", 95, 8))); }, -40, -8, {"SAXA"}},
    };
    for (const auto &s : steps) {
        s.write();
        EXPECT_EQ(placed(t, s.latitude, s.longitude, 30), s.expected) << s.step;
    }
    // The manager's filter: a hard runway longer than the minimum length.
    EXPECT_EQ(placed(t, -40, -8, 30, {store::SurfaceFilter::Hard, store::TypeFilter::Any, 899}), QStringList{"SAXA"});
    EXPECT_EQ(placed(t, -40, -8, 30, {store::SurfaceFilter::Hard, store::TypeFilter::Any, 900}), QStringList{});
}

// Across the antimeridian the box is split; near a pole it takes every longitude.
TEST(PlaceIndex, BoxesReachAcrossTheAntimeridianAndThePoles) {
    test::TempDatabase t;
    t.add(at(t, "NFEA", "0000.0 N / 17957.0 E", 0, 179.95));
    t.add(at(t, "NFWE", "0000.0 N / 17957.0 W", 0, 179.95));
    t.add(at(t, "POLE", "8930.0 N / 18000.0 E", 89.5, 180));
    EXPECT_EQ(store::boxesAround({0, 179.9}, 100 * kMetresPerNm).size(), 2u);
    for (const double longitude : {179.99, -179.99})
        EXPECT_EQ(placed(t, 0, longitude, 10), (QStringList{"NFEA", "NFWE"})) << longitude;
    EXPECT_EQ(placed(t, 0, 179.0, 10), QStringList{});
    EXPECT_EQ(placed(t, 89.5, 0, 61), QStringList{"POLE"});  // 60 NM over the pole
}

// An older file read as it is has no index: every airport is a candidate.
TEST(PlaceIndex, AnOlderFileReadAsItIsOffersEveryAirport) {
    QTemporaryDir dir;
    const QString path = dir.filePath("vmdata.vmd");
    test::writeFormatFile(path, 1);
    store::Database db;
    ASSERT_EQ(db.open(path, store::Database::Mode::ReadOnly).error(), "");
    const auto rows = store::airportsInBoxes(db, store::boxesAround({-33, 151}, 1000), {store::SurfaceFilter::Off, store::TypeFilter::Any, 0});
    ASSERT_TRUE(rows.ok()) << rows.error().toStdString();
    EXPECT_EQ(rows->size(), 2u);
}
