#include "store/AirportStore.h"
#include "store/Tables.h"

#include "support/SampleAirports.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

using namespace volmira;

namespace {

// Every MAPDATA row: "ICAO Number Name|Location|File active SlideMap SW", by ICAO, Number, id.
QString rows(test::TempDatabase &t) {
    return t.db.prepare("SELECT group_concat(r, ' ; ') FROM (SELECT ICAO || ' ' || Number || ' ' || Name || '|' || "
                        "coalesce(Location, '') || '|' || coalesce(File, '') || ' ' || Active || ' ' || SlideMap || ' ' || CAST(SW AS INTEGER) AS r "
                        "FROM MAPDATA ORDER BY ICAO, Number, id)")
        .firstRow([](const store::Statement &row) { return row.text(0); }).value().value_or("");
}

void add(test::TempDatabase &t, const char *icao, int number, bool active) {
    store::MapDataRow row;
    row.ICAO = icao, row.Number = number, row.Name = QString::number(number), row.Active = active, row.SW = 5;
    test::expectOk(store::insertRow(t.db, store::mapDataTable(), row).error());
}

}  // namespace

TEST(MapStore, LinksAreAddedOrOverwrittenAndTextsRoundTrip) {
    test::TempDatabase t;
    store::MapStore &maps = t.store->maps;
    const QString name = "Vorfeld 'Süd' \\ \"A\"", folder = "C:\\Karten\\Flug häfen\\O'Brien", file = "plan ü's.jpg";
    EXPECT_FALSE(maps.saveLink("EDDF", 3, folder, file, name).value());
    EXPECT_EQ(rows(t), "EDDF 3 " + name + "|" + folder + "|" + file + " 0 0 0");
    ASSERT_TRUE(maps.activate("EDDF", 3).value());
    test::expectOk(maps.saveView("EDDF", 3, {600, 400, 10, 20, 300, 200, -40}).error());
    EXPECT_TRUE(maps.saveLink("EDDF", 3, "/k", "b.pdf", "B").value());  // the view reset, still active
    EXPECT_EQ(rows(t), "EDDF 3 B|/k|b.pdf 1 100 0");
    const store::MapDataRow read = maps.link("EDDF", 3).value().value();
    EXPECT_EQ(read.W1 + read.H1 + read.SX + read.SY + read.SH, 0);
}

TEST(MapStore, OnlySlotsZeroToNineAreReadAndActiveMarksOneSlotOfTheAirport) {
    test::TempDatabase t;
    store::MapStore &maps = t.store->maps;
    for (int number : {7, -1, 0, 10, 2}) add(t, "EDDF", number, true);
    add(t, "EDHN", 2, true);
    QStringList read;
    for (const store::MapDataRow &r : maps.ofAirport("EDDF").value()) read << r.Name;
    EXPECT_EQ(read.join(u','), "0,2,7");
    EXPECT_FALSE(maps.activate("EDDF", 5).value());  // a free slot changes nothing
    EXPECT_EQ(rows(t), "EDDF -1 -1|| 1 0 5 ; EDDF 0 0|| 1 0 5 ; EDDF 2 2|| 1 0 5 ; EDDF 7 7|| 1 0 5 ; "
                       "EDDF 10 10|| 1 0 5 ; EDHN 2 2|| 1 0 5");
    ASSERT_TRUE(maps.activate("EDDF", 2).value());
    test::expectOk(maps.saveView("EDDF", 2, {1, 1, 1, 1, 9, 9, 50}).error());
    EXPECT_TRUE(maps.deleteLink("EDDF", 7).value());
    EXPECT_FALSE(maps.deleteLink("EDDF", 7).value());
    EXPECT_EQ(rows(t), "EDDF -1 -1|| 0 0 5 ; EDDF 0 0|| 0 0 5 ; EDDF 2 2|| 1 50 9 ; EDDF 10 10|| 0 0 5 ; "
                       "EDHN 2 2|| 1 0 5");
}
