#include "store/AirportStore.h"

#include "support/TempDatabase.h"

#include <gtest/gtest.h>

using namespace volmira;
using store::AcomRow;
using store::RwyRow;

namespace {

RwyRow runway(const QString &icao, const QString &rwy, int length, int surface) {
    return {0, icao, rwy, "", "", "", "", length, 0, surface, "2026-01-02", "08:00:00"};
}

// One text per row, for comparing whole lists in their order.
template <typename Rows, typename Show> QStringList shown(const Rows &rows, Show show) {
    QStringList texts;
    for (const auto &row : rows) texts << show(row);
    return texts;
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
    for (const auto &[icao, name] : {std::pair{"EDHN", "Neumünster"}, {"EDDG", "Münster Osnabrück"}, {"EDLE", "Essen/Mülheim"}, {"EDDM", "MÜNCHEN"}})
        t.add(t.airport(icao, name));
    EXPECT_EQ(shown(t.store->reads.findByName("mü").value(), [](const auto &hit) { return hit.NAME; }),
              (QStringList{"MÜNCHEN", "Münster Osnabrück"}));  // name order, not ICAO order
    EXPECT_TRUE(t.store->reads.findByName("Mu").value().empty());  // an umlaut is its own letter
    EXPECT_EQ(t.store->reads.findByName("").value().size(), 4u);
}

TEST(AirportStore, NullStaysDistinctFromEmptyText) {
    test::TempDatabase t;
    auto row = t.airport("EDXX");
    row.PR = QString();
    row.ELEV.reset();
    t.add(row);
    row.ICAO = "EDXY";
    row.PR = QStringLiteral("");
    t.add(row);
    const auto a = t.store->reads.airportByIcao("EDXX").value(), b = t.store->reads.airportByIcao("EDXY").value();
    ASSERT_TRUE(a && b);
    EXPECT_TRUE(a->PR.isNull() && !a->ELEV);
    EXPECT_TRUE(!b->PR.isNull() && b->PR.isEmpty());
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

    EXPECT_EQ(shown(t.store->reads.runways("eddf").value(), [](const RwyRow &r) { return r.RWY; }),
              (QStringList{"07L / 25R", "18 / 36", "25C / 07C"}));
    EXPECT_EQ(shown(t.store->reads.frequencies("EDDF").value(), [](const AcomRow &r) { return r.Name; }),
              (QStringList{"Apron", "atis", "TOWER"}));
}

TEST(AirportStore, NotesAreStampedByTheClockAndReplacedPerCategory) {
    test::TempDatabase t;
    t.add(t.airport("EDHN"));
    ASSERT_TRUE(t.store->notes.save("EDHN", "Tanken", "a", "a").error().isEmpty());
    t.clock.set(QDateTime(QDate(2026, 12, 24), QTime(23, 59, 58)));
    ASSERT_TRUE(t.store->notes.save("EDHN", "tanken", "b", "b").error().isEmpty());
    ASSERT_TRUE(t.store->notes.save("EDHN", "Kontakt", "c", "c").error().isEmpty());

    EXPECT_EQ(shown(t.store->notes.ofAirport("EDHN").value(),
                    [](const store::MyInfoRow &n) { return n.Category + " " + n.MyInfo + " " + n.Date + " " + n.Time; }),
              (QStringList{"Tanken b 2026-12-24 23:59:58", "Kontakt c 2026-12-24 23:59:58"}));
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

    EXPECT_EQ(shown(t.store->reads.changeStamps("EDHN").value(),
                    [](const store::ChangeStamp &s) { return s.Name + " " + s.Date + " " + s.Time; }),
              (QStringList{"RWY Info 2026-02-01 07:00:00", "Flughafen Info " + t.airport("EDHN").Date + " " + t.airport("EDHN").Time,
                           "Info Kategorie: Gebühren 2026-03-14 10:15:00"}));
}

TEST(AirportStore, CountryCountsEqualTheAirportsPerPrefix) {
    test::TempDatabase t;
    for (const char *icao : {"EDDF", "EDHN", "ETNL", "LOWW", "EDAA", "ZZZZ"}) t.add(t.airport(icao));
    ASSERT_TRUE(t.store->edits.insertCountry({"ED", "Deutschland"}).error().isEmpty());
    ASSERT_TRUE(t.store->edits.insertCountry({"ET", "Deutschland"}).error().isEmpty());
    ASSERT_TRUE(t.store->edits.insertCountry({"LO", "Österreich"}).error().isEmpty());

    // German name order: Ö sorts with O, after D; the unknown prefix by its placeholder name.
    EXPECT_EQ(shown(t.store->lists.countries().value(),
                    [](const store::CountryRow &r) { return QStringLiteral("%1 %2 %3").arg(r.ICAO, r.Name).arg(r.Anzahl); }),
              (QStringList{"ED Deutschland 3", "ET Deutschland 1", "ZZ Kein Land gefunden 1", "LO Österreich 1"}));
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
