// The quick find beyond the names: cities, other names, words of names.
#include "store/AirportStore.h"

#include "support/QtPrinters.h"
#include "support/SampleAirports.h"
#include "support/TableDump.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

#include <functional>

using namespace volmira;
using store::NameSource;

namespace {

// "ICAO source" of each hit, in the list's order.
QStringList hitsOf(const std::vector<store::FoundAirport> &found) {
    QStringList hits;
    for (const store::FoundAirport &hit : found) hits << hit.ICAO + ' ' + store::sourceText(hit.source).toString();
    return hits;
}

QStringList hitsOf(store::AirportStore &airports, const QString &text) {
    const auto found = airports.reads.findAirports(text);
    return found ? hitsOf(*found) : QStringList{found.error()};
}

// The same list read `size` names at a time, as the window's list reads it.
QStringList pagedHitsOf(store::AirportStore &airports, const QString &text, int size) {
    QStringList hits;
    for (int first = 0;; first += size) {
        const auto page = airports.reads.findAirports(text, first, size);
        if (!page) return {page.error()};
        hits << hitsOf(page->rows);
        if (page->last) return hits;
    }
}

// What the update import writes for an airport of its file.
QString imported(test::TempDatabase &t, const char *icao, const char *name) {
    return t.store->edits.replaceAirport(t.airport(icao, name)).error();
}

}  // namespace

// The name search first; city and other names only when no name begins with
// the text; then later words of names; each airport once. Names in German
// order, read a few at a time alike.
TEST(NameSearch, TiersComeInTheirOrderAndAnAirportOnce) {
    test::TempDatabase t;
    for (const auto &[icao, name] : {std::pair{"EDAA", "Bergen Field"}, {"EDAB", "Alpha"}, {"EDAC", "Gamma Berghof"},
                                     {"EDAD", "Delta Bergheim"}, {"EDAE", "Bérgamo"}, {"EDAF", "Berg Süd"}})
        t.add(t.airport(icao, name));
    ASSERT_EQ(store::addSearchNames(t.db, "EDAB", NameSource::City, {"Bergheim"}).error(), "");
    ASSERT_EQ(store::addSearchNames(t.db, "EDAD", NameSource::OtherName, {"Berghausen", "Bergdorf"}).error(), "");
    for (const auto &[typed, hits] :
         {std::pair{"Berg", QStringList{"EDAF Name", "EDAA Name", "EDAD Wort im Namen", "EDAC Wort im Namen"}},
          {"BÉR", {"EDAE Name", "EDAD Wort im Namen", "EDAC Wort im Namen"}},
          {"bergh", {"EDAD anderer Name", "EDAB Ort", "EDAC Wort im Namen"}},
          {"Field", {"EDAA Wort im Namen"}},
          {"Xy", {}}}) {
        EXPECT_EQ(hitsOf(*t.store, typed), hits) << typed;
        for (const int size : {1, 2}) EXPECT_EQ(pagedHitsOf(*t.store, typed, size), hits) << typed << size;
    }
}

// Every write of an airport's name, its delete, import and add keep what the
// quick find finds: the hits of "Platz", "Wiese" and of the city "Heimat".
TEST(NameSearch, SearchNamesFollowEveryWriteOfAnAirport) {
    const QStringList none, xx{"EDXX Wort im Namen"}, city{"EDXX Ort"};
    const std::vector<std::tuple<const char *, std::function<void(test::TempDatabase &)>, QStringList, QStringList,
                                 QStringList>>
        cases{
            {"add", [](test::TempDatabase &) {}, xx, none, city},
            {"rename",
             [](test::TempDatabase &t) {
                 store::ArptRow row = t.store->reads.airportByIcao("EDXX").value().value();
                 row.Name = "Neu Wiese";
                 EXPECT_TRUE(t.store->rows.changeAirport(row).value());
             },
             none, xx, city},
            {"import", [](test::TempDatabase &t) { test::expectOk(imported(t, "EDXX", "Alt Wiese")); }, none, xx, city},
            {"import of a new airport", [](test::TempDatabase &t) { test::expectOk(imported(t, "EDYY", "Neu Platz")); },
             {"EDXX Wort im Namen", "EDYY Wort im Namen"}, none, city},
            {"delete", [](test::TempDatabase &t) { EXPECT_TRUE(t.store->deletion.deleteAirport("edxx").value()); },
             none, none, none},
        };
    for (const auto &[write, act, platz, wiese, heimat] : cases) {
        test::TempDatabase t;
        t.add(t.airport("EDXX", "Alt Platz"));
        ASSERT_EQ(store::addSearchNames(t.db, "EDXX", NameSource::City, {"Heimat"}).error(), "");
        act(t);
        EXPECT_EQ(QList({hitsOf(*t.store, "Platz"), hitsOf(*t.store, "Wiese"), hitsOf(*t.store, "Heimat")}),
                  QList({platz, wiese, heimat}))
            << write;
        EXPECT_EQ(test::dumpTable(t.db, "SearchName").isEmpty(), heimat.isEmpty()) << write;
    }
}
