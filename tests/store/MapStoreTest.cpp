#include "store/AirportStore.h"
#include "store/Tables.h"

#include "support/SampleAirports.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

using namespace volmira;

namespace {

// Every MAPDATA row: "ICAO Number Name|Location|File Active SlideMap SW", by ICAO, Number, id.
QString rows(test::TempDatabase &t) {
    return t.db.prepare("SELECT group_concat(r, ' ; ') FROM (SELECT ICAO || ' ' || Number || ' ' || Name || '|' || coalesce(Location, '') "
                        "|| '|' || coalesce(File, '') || ' ' || Active || ' ' || SlideMap || ' ' || CAST(SW AS INTEGER) AS r "
                        "FROM MAPDATA ORDER BY ICAO, Number, id)")
        .firstRow([](const store::Statement &row) { return row.text(0); }).value().value_or("");
}

}  // namespace

TEST(MapStore, LinksAreAddedOrOverwrittenWithTheirTextsAndReadAndActivatedBySlot) {
    test::TempDatabase t;
    store::MapStore &maps = t.store->maps;
    const QString name = "Vorfeld 'Süd' \\ \"A\"", folder = "C:\\Karten\\Flug häfen\\O'Brien", file = "plan ü's.jpg";
    EXPECT_FALSE(maps.saveLink("EDDF", 3, folder, file, name).value());
    EXPECT_EQ(rows(t), "EDDF 3 " + name + "|" + folder + "|" + file + " 0 0 0");
    ASSERT_TRUE(maps.activate("EDDF", 3).value());
    test::expectOk(maps.saveTurnedView("EDDF", 3, {600, 400, 10, 20, 300, 200, -40}, 2).error());
    test::expectOk(maps.savePdfView("EDDF", 3, 4, 1.5, 0, 80).error());
    EXPECT_TRUE(maps.saveLink("EDDF", 3, "/k", "b.pdf", "B").value());  // the view reset, still active
    EXPECT_EQ(rows(t), "EDDF 3 B|/k|b.pdf 1 100 0");
    const store::MapDataRow relinked = maps.link("EDDF", 3).value().value();
    EXPECT_EQ(std::tuple(relinked.Rotation, relinked.PdfPage, relinked.PdfZoom, relinked.SY), std::tuple(0, 0, 0.0, 0.0));
    test::expectOk(t.db.exec("DELETE FROM MAPDATA").error());

    // Only slots 0 to 9 are read; Active marks one slot of the airport.
    for (const auto &[icao, number] : {std::pair{"EDDF", 7}, {"EDDF", -1}, {"EDDF", 0}, {"EDDF", 10}, {"EDDF", 2}, {"EDHN", 2}})
        test::expectOk(store::insertRow(t.db, store::mapDataTable(), {0, icao, number, QString::number(number), "", "", true, 0, 0, 0, 0, 5, 0, 0}).error());
    QStringList read;
    for (const store::MapDataRow &r : maps.ofAirport("EDDF").value()) read << r.Name;
    EXPECT_EQ(read.join(u','), "0,2,7");
    EXPECT_FALSE(maps.activate("EDDF", 5).value());  // a free slot changes nothing
    ASSERT_TRUE(maps.activate("EDDF", 2).value());
    test::expectOk(maps.saveTurnedView("EDDF", 2, {1, 1, 1, 1, 9, 9, 50}, 0).error());
    EXPECT_TRUE(maps.deleteLink("EDDF", 7).value());
    EXPECT_FALSE(maps.deleteLink("EDDF", 7).value());
    EXPECT_EQ(rows(t), "EDDF -1 -1|| 0 0 5 ; EDDF 0 0|| 0 0 5 ; EDDF 2 2|| 1 50 9 ; EDDF 10 10|| 0 0 5 ; EDHN 2 2|| 1 0 5");
}
