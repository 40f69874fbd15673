// The quick find beyond the names: cities, other names, words of names.
#include "store/AirportStore.h"
#include "store/SearchNames.h"
#include "store/shipped/BuildDatabase.h"

#include "support/QtPrinters.h"
#include "support/TableDump.h"
#include "support/TempDatabase.h"

#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

using namespace volmira;
using store::NameSource;

namespace {

// "ICAO source" of each hit, in the list's order.
QStringList hitsOf(store::AirportStore &airports, const QString &text) {
    const auto found = airports.reads.findAirports(text);
    if (!found) return {found.error()};
    QStringList hits;
    for (const store::FoundAirport &hit : *found) hits << hit.ICAO + ' ' + store::sourceText(hit.source).toString();
    return hits;
}

void expectOk(const platform::Result<> &done) { EXPECT_EQ(done.error(), ""); }

}  // namespace

// The German part of the shipped data, built as the shipped database is.
TEST(NameSearch, APilotFindsGermanAirportsByTheNamesHeUses) {
    QTemporaryDir dir;
    store::shipped::BuildOptions options;
    options.sourceDir = QStringLiteral(VOLMIRA_SOURCE_DIR "/tests/data/subset-de");
    options.wmmDir = QStringLiteral(VOLMIRA_SOURCE_DIR "/data/wmm/magnetic");
    options.outFile = dir.filePath("vmdata.vmd");
    options.dataDate = "2026-08-07";
    const store::shipped::BuildReport report = store::shipped::buildDatabase(options);
    ASSERT_EQ(report.error, "");
    // Counted from the CSV files: airports with coordinates and a city, their other names.
    EXPECT_EQ(report.cities, 473);
    EXPECT_EQ(report.otherNames, 308);
    store::Database db;
    ASSERT_TRUE(db.open(options.outFile, store::Database::Mode::ReadOnly).ok());
    const platform::FakeClock clock(QDateTime(QDate(2026, 8, 7), QTime(12, 0)));
    store::AirportStore airports(db, clock);

    struct Case {
        const char *typed;
        QString first;
    };
    for (const Case &c : std::vector<Case>{{"Köln", "EDDK anderer Name"},
                                           {"koeln", "EDDK anderer Name"},
                                           {"KOLN", "EDDK anderer Name"},
                                           {"München", "EDDM anderer Name"},
                                           {"Muenchen", "EDDM anderer Name"},
                                           {"Strauß", "EDDM anderer Name"},
                                           {"Nürnberg", "EDDN anderer Name"},
                                           {"Nuremberg", "EDDN Name"},
                                           {"Cologne", "EDDK Name"}}) {
        const QStringList hits = hitsOf(airports, QString::fromUtf8(c.typed));
        EXPECT_EQ(hits.value(0), c.first) << c.typed << ": " << hits.join(", ").toStdString();
    }
    // Names beginning with "Main" first, then Frankfurt Main Airport by its word.
    const QStringList main = hitsOf(airports, "Main");
    EXPECT_EQ(main.mid(0, 2), (QStringList{"EDFU Name", "EDFZ Name"}));
    EXPECT_TRUE(main.contains("EDDF Wort im Namen")) << main.join(", ").toStdString();
    const auto eddk = airports.reads.findAirports("Köln").value().front();
    EXPECT_EQ(QStringList({eddk.NAME, eddk.City, eddk.Country}),
              (QStringList{"Cologne Bonn Airport", "Köln (Cologne)", "Deutschland"}));
    EXPECT_EQ(hitsOf(airports, "Xyzzy"), QStringList());
}

// The name search first; city and other names only when no name begins with
// the text; then later words of names; each airport once.
TEST(NameSearch, TiersComeInTheirOrderAndAnAirportOnce) {
    test::TempDatabase t;
    t.add(t.airport("EDAA", "Bergen Field"));
    t.add(t.airport("EDAB", "Alpha"));
    t.add(t.airport("EDAC", "Gamma Berghof"));
    t.add(t.airport("EDAD", "Delta Bergheim"));
    store::Transaction tx(t.db);
    expectOk(store::addSearchNames(t.db, "EDAB", NameSource::City, {"Bergheim"}));
    expectOk(store::addSearchNames(t.db, "EDAD", NameSource::OtherName, {"Berghausen", "Bergdorf"}));
    expectOk(tx.commit());
    struct Case {
        const char *typed;
        QStringList hits;
    };
    for (const Case &c : std::vector<Case>{
             {"Berg", {"EDAA Name", "EDAD Wort im Namen", "EDAC Wort im Namen"}},
             {"bergh", {"EDAD anderer Name", "EDAB Ort", "EDAC Wort im Namen"}},
             {"Field", {"EDAA Wort im Namen"}},
             {"  ", {}},
         })
        EXPECT_EQ(hitsOf(*t.store, c.typed), c.hits) << c.typed;
}

// Every write of an airport's name, its delete, import and add keep what the quick find finds.
TEST(NameSearch, SearchNamesFollowEveryWriteOfAnAirport) {
    struct Case {
        const char *write;
        std::function<void(test::TempDatabase &)> act;
        QStringList platz, wiese, heimat;  // hits of "Platz", "Wiese" and the city "Heimat"
    };
    const std::vector<Case> cases{
        {"add", [](test::TempDatabase &) {}, {"EDXX Wort im Namen"}, {}, {"EDXX Ort"}},
        {"rename",
         [](test::TempDatabase &t) {
             store::ArptRow row = t.store->reads.airportByIcao("EDXX").value().value();
             row.Name = "Neu Wiese";
             EXPECT_TRUE(t.store->rows.changeAirport(row).value());
         },
         {},
         {"EDXX Wort im Namen"},
         {"EDXX Ort"}},
        {"import",
         [](test::TempDatabase &t) { expectOk(t.store->edits.replaceAirport(t.airport("EDXX", "Alt Wiese"))); },
         {},
         {"EDXX Wort im Namen"},
         {"EDXX Ort"}},
        {"import of a new airport",
         [](test::TempDatabase &t) { expectOk(t.store->edits.replaceAirport(t.airport("EDYY", "Neu Platz"))); },
         {"EDXX Wort im Namen", "EDYY Wort im Namen"},
         {},
         {"EDXX Ort"}},
        {"delete", [](test::TempDatabase &t) { EXPECT_TRUE(t.store->deletion.deleteAirport("edxx").value()); }, {},
         {}, {}},
    };
    for (const Case &c : cases) {
        test::TempDatabase t;
        t.add(t.airport("EDXX", "Alt Platz"));
        expectOk(store::addSearchNames(t.db, "EDXX", NameSource::City, {"Heimat"}));
        c.act(t);
        EXPECT_EQ(hitsOf(*t.store, "Platz"), c.platz) << c.write;
        EXPECT_EQ(hitsOf(*t.store, "Wiese"), c.wiese) << c.write;
        EXPECT_EQ(hitsOf(*t.store, "Heimat"), c.heimat) << c.write;
        if (c.heimat.isEmpty()) {
            EXPECT_EQ(test::dumpTable(t.db, "SearchName"), QStringList()) << c.write;
        }
    }
}
