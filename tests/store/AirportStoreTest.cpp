#include "store/AirportStore.h"

#include "support/TempDatabase.h"

#include <gtest/gtest.h>

using namespace volmira;
using store::AcomRow;
using store::RwyRow;

namespace {

RwyRow runway(const QString &icao, const QString &rwy, int length, int surface) {
    RwyRow r;
    r.ICAO = icao;
    r.RWY = rwy;
    r.Length = length;
    r.SURFACE = surface;
    r.Date = "2026-01-02";
    r.Time = "08:00:00";
    return r;
}

}  // namespace

TEST(AirportStore, QuotesInEveryKindOfValueAreHarmless) {
    test::TempDatabase t;
    auto row = t.airport("E'X'", "L'Aéroport d'O'Hare \"Süd\"");
    row.PR = "1000' AGL";
    row.COORDINATES = "5001.6 N / 00833.5 E'";
    t.add(row);
    ASSERT_TRUE(t.store->notes.save("E'X'", "Kat'egorie", "{\\rtf1 it's}", "it's").error().isEmpty());

    const auto found = t.store->reads.airportByIcao("e'x'").value();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->Name, "L'Aéroport d'O'Hare \"Süd\"");
    EXPECT_EQ(found->PR, "1000' AGL");
    ASSERT_EQ(t.store->notes.ofAirport("E'X'").value().size(), 1u);
    EXPECT_EQ(t.store->notes.ofAirport("E'X'").value()[0].PrintInfo, "it's");
    ASSERT_EQ(t.store->reads.findByName("l'a").value().size(), 1u);
    EXPECT_TRUE(t.store->reads.findByName("' OR 1=1 --").value().empty());
}

TEST(AirportStore, NamesCompareWithoutRegardToCase) {
    test::TempDatabase t;
    t.add(t.airport("EDHN", "Neumünster"));
    t.add(t.airport("EDDG", "Münster Osnabrück"));
    t.add(t.airport("EDLE", "Essen/Mülheim"));
    t.add(t.airport("EDDM", "MÜNCHEN"));
    const auto hits = t.store->reads.findByName("mü").value();
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].NAME, "MÜNCHEN");  // name order, not ICAO order
    EXPECT_EQ(hits[1].NAME, "Münster Osnabrück");
    EXPECT_TRUE(t.store->reads.findByName("Mu").value().empty());  // an umlaut is its own letter
    EXPECT_EQ(t.store->reads.findByName("").value().size(), 4u);
}

TEST(AirportStore, NullStaysDistinctFromEmptyText) {
    test::TempDatabase t;
    auto row = t.airport("EDXX");
    row.PR = QString();
    row.ELEV.reset();
    t.add(row);
    auto other = t.airport("EDXY");
    other.PR = QStringLiteral("");
    t.add(other);
    const auto a = t.store->reads.airportByIcao("EDXX").value();
    const auto b = t.store->reads.airportByIcao("EDXY").value();
    ASSERT_TRUE(a && b);
    EXPECT_TRUE(a->PR.isNull());
    EXPECT_FALSE(a->ELEV);
    EXPECT_FALSE(b->PR.isNull());
    EXPECT_TRUE(b->PR.isEmpty());
}

TEST(AirportStore, TextsComeBackWhole) {
    // A note pasted from another program may open with U+FEFF, which UTF-8 decoders like to drop.
    test::TempDatabase t;
    const QString text = QChar(0xFEFF) + QStringLiteral("Öl\r\n\t") + QString::fromUcs4(U"\U0001F6E9");
    ASSERT_EQ(t.store->notes.insert({0, "EDXX", "Allgemein", text, text, "2026-01-01", "10:00:00"}).error(), "");
    EXPECT_EQ(t.store->notes.ofAirport("EDXX").value().at(0).MyInfo, text);
}

TEST(AirportStore, ListsComeInTheirDisplayOrder) {
    test::TempDatabase t;
    t.add(t.airport("EDDF"));
    for (const char *rwy : {"25C / 07C", "18 / 36", "07L / 25R"})
        ASSERT_TRUE(t.store->edits.insertRunway(runway("EDDF", rwy, 4000, 0)).error().isEmpty());
    for (const char *name : {"TOWER", "atis", "Apron"})
        ASSERT_TRUE(
            t.store->edits.insertFrequency(AcomRow{0, "EDDF", name, "118.000", "2026-01-02", "08:00:00"}).error().isEmpty());
    ASSERT_TRUE(t.store->edits.insertRunway(runway("EDDX", "09 / 27", 500, 1)).error().isEmpty());

    const auto rwys = t.store->reads.runways("eddf").value();
    ASSERT_EQ(rwys.size(), 3u);
    EXPECT_EQ(rwys[0].RWY, "07L / 25R");
    EXPECT_EQ(rwys[2].RWY, "25C / 07C");
    const auto coms = t.store->reads.frequencies("EDDF").value();
    ASSERT_EQ(coms.size(), 3u);
    EXPECT_EQ(coms[0].Name, "Apron");
    EXPECT_EQ(coms[1].Name, "atis");
    EXPECT_EQ(coms[2].Name, "TOWER");
}

TEST(AirportStore, NotesAreStampedByTheClockAndReplacedPerCategory) {
    test::TempDatabase t;
    t.add(t.airport("EDHN"));
    ASSERT_TRUE(t.store->notes.save("EDHN", "Tanken", "a", "a").error().isEmpty());
    t.clock.set(QDateTime(QDate(2026, 12, 24), QTime(23, 59, 58)));
    ASSERT_TRUE(t.store->notes.save("EDHN", "tanken", "b", "b").error().isEmpty());
    ASSERT_TRUE(t.store->notes.save("EDHN", "Kontakt", "c", "c").error().isEmpty());

    const auto notes = t.store->notes.ofAirport("EDHN").value();
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].Category, "Tanken");
    EXPECT_EQ(notes[0].MyInfo, "b");
    EXPECT_EQ(notes[0].Date, "2026-12-24");
    EXPECT_EQ(notes[0].Time, "23:59:58");
}

TEST(AirportStore, ChangeStampsGiveTheNewestRowOfEachTable) {
    test::TempDatabase t;
    t.add(t.airport("EDHN"));
    auto older = runway("EDHN", "08 / 26", 800, 1);
    auto newer = older;
    newer.Date = "2026-02-01";
    newer.Time = "07:00:00";
    ASSERT_TRUE(t.store->edits.insertRunway(newer).error().isEmpty());
    ASSERT_TRUE(t.store->edits.insertRunway(older).error().isEmpty());
    ASSERT_TRUE(t.store->notes.save("EDHN", "Gebühren", "x", "x").error().isEmpty());

    const auto stamps = t.store->reads.changeStamps("EDHN").value();
    ASSERT_EQ(stamps.size(), 3u);
    EXPECT_EQ(stamps[0].Name, "RWY Info");
    EXPECT_EQ(stamps[0].Date, "2026-02-01");
    EXPECT_EQ(stamps[1].Name, "Flughafen Info");
    EXPECT_EQ(stamps[2].Name, "Info Kategorie: Gebühren");
    EXPECT_EQ(stamps[2].Date, "2026-03-14");
}

TEST(AirportStore, CountryCountsEqualTheAirportsPerPrefix) {
    test::TempDatabase t;
    for (const char *icao : {"EDDF", "EDHN", "ETNL", "LOWW", "EDAA", "ZZZZ"}) t.add(t.airport(icao));
    ASSERT_TRUE(t.store->edits.insertCountry({"ED", "Deutschland"}).error().isEmpty());
    ASSERT_TRUE(t.store->edits.insertCountry({"ET", "Deutschland"}).error().isEmpty());
    ASSERT_TRUE(t.store->edits.insertCountry({"LO", "Österreich"}).error().isEmpty());

    const auto rows = t.store->lists.countries().value();
    ASSERT_EQ(rows.size(), 4u);
    // German name order: Ö sorts with O, after D; the unknown prefix by its placeholder name.
    EXPECT_EQ(rows[0].ICAO, "ED");
    EXPECT_EQ(rows[0].Anzahl, 3);
    EXPECT_EQ(rows[1].ICAO, "ET");
    EXPECT_EQ(rows[1].Anzahl, 1);
    EXPECT_EQ(rows[2].Name, "Kein Land gefunden");
    EXPECT_EQ(rows[2].ICAO, "ZZ");
    EXPECT_EQ(rows[3].Name, "Österreich");
}

TEST(AirportStore, VersionRowIsReplacedWhole) {
    test::TempDatabase t;
    ASSERT_TRUE(t.store->edits.setProgramVersion("0.0.9").error().isEmpty());  // made when missing
    EXPECT_EQ(t.store->lists.version().value()->ProgramVersion, "0.0.9");
    ASSERT_TRUE(t.store->edits.setVersion({"07.08.2026", "0.1.0"}).error().isEmpty());
    ASSERT_TRUE(t.store->edits.setVersion({"01.01.2027", "0.1.5"}).error().isEmpty());
    ASSERT_TRUE(t.store->edits.setProgramVersion("0.2.0").error().isEmpty());  // keeps the data version
    const auto v = t.store->lists.version().value();
    ASSERT_TRUE(v);
    EXPECT_EQ(v->DatabaseVersion, "01.01.2027");
    EXPECT_EQ(v->ProgramVersion, "0.2.0");
}
