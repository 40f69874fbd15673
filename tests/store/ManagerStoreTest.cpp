// The database manager's filtered list and deleting an airport.
#include "store/AirportStore.h"
#include "store/ManagerStatements.h"
#include "store/Table.h"
#include "store/Tables.h"

#include "support/SampleAirports.h"
#include "support/TableDump.h"

#include <gtest/gtest.h>

using namespace volmira;
using store::AirportFilter;
using store::SurfaceFilter;
using store::TypeFilter;

namespace {

QStringList codes(const std::vector<store::ArptRow> &rows) {
    QStringList shown;
    for (const store::ArptRow &row : rows) shown << row.ICAO;
    return shown;
}

void addNotesAndMaps(test::TempDatabase &t, const QString &icao) {
    for (const char *category : {"Kontakt", "Tanken"})
        test::expectOk(t.store->notes.save(icao, category, "{\\rtf1 x}", "x").error());
    for (int number : {0, 3}) {
        store::MapDataRow map;
        map.ICAO = icao;
        map.Number = number;
        map.File = "karte.jpg";
        test::expectOk(store::insertRow(t.db, store::mapDataTable(), map).error());
    }
}

}  // namespace

TEST(ManagerStore, EachFilterOutcomeListsTheAirportsItAdmits) {
    test::TempDatabase t;
    const struct {
        const char *icao;
        std::optional<int> asphalt, grass;
        const char *type;
    } airports[] = {{"EDAA", 1200, 0, "VLP"},  {"EDAB", 0, 800, "slp"},        {"EDAC", {}, {}, "vlp"},
                    {"EDAD", -1, -1, "SLP"},   {"EDAE", 600, 700, "VLP"},      {"E_AX", 900, 0, "SLP"},
                    {"EXAY", 900, 0, "SLP"},   {"LFAA", 2000, 2000, "VLP"}};
    for (const auto &a : airports) {
        store::ArptRow row = t.airport(a.icao);
        row.RwyALen = a.asphalt;
        row.RwyGLen = a.grass;
        row.Type = a.type;
        t.add(row);
    }
    const struct {
        const char *prefix;
        AirportFilter filter;
        QStringList listed;
    } cases[] = {
        {"ED", {SurfaceFilter::Any, TypeFilter::Any, 0}, {"EDAA", "EDAB", "EDAE"}},
        {"ed", {SurfaceFilter::Hard, TypeFilter::Any, 600}, {"EDAA"}},
        {"ED", {SurfaceFilter::Grass, TypeFilter::Any, 600}, {"EDAB", "EDAE"}},
        {"ED", {SurfaceFilter::Any, TypeFilter::Any, 700}, {"EDAA", "EDAB"}},
        {"ED", {SurfaceFilter::Any, TypeFilter::Any, -5}, {"EDAA", "EDAB", "EDAD", "EDAE"}},
        {"ED", {SurfaceFilter::None, TypeFilter::Any, 5000}, {"EDAD"}},
        {"ED", {SurfaceFilter::Off, TypeFilter::Any, 5000}, {"EDAA", "EDAB", "EDAC", "EDAD", "EDAE"}},
        {"ED", {SurfaceFilter::Off, TypeFilter::VLP, 0}, {"EDAA", "EDAC", "EDAE"}},
        {"ED", {SurfaceFilter::Off, TypeFilter::SLP, 0}, {"EDAB", "EDAD"}},
        {"ED", {SurfaceFilter::Any, TypeFilter::SLP, 0}, {"EDAB"}},
        {"ED", {SurfaceFilter::Off, TypeFilter::None, 0}, {}},
        {"E_", {SurfaceFilter::Off, TypeFilter::Any, 0}, {"E_AX"}},
        {"ED%", {SurfaceFilter::Off, TypeFilter::Any, 0}, {}},
        {"E", {SurfaceFilter::Hard, TypeFilter::SLP, 0}, {"E_AX", "EXAY"}},
        {"edaa", {SurfaceFilter::Off, TypeFilter::Any, 0}, {"EDAA"}},
    };
    for (const auto &c : cases) {
        const auto listed = t.store->lists.airportList(c.prefix, c.filter);
        ASSERT_TRUE(listed.ok()) << listed.error().toStdString();
        EXPECT_EQ(codes(*listed), c.listed) << c.prefix << " " << int(c.filter.surface) << " "
                                            << int(c.filter.type) << " " << c.filter.minLength;
    }
}

TEST(ManagerStore, TheListsAndTheDeletionSearchTheirIndexes) {
    test::TempDatabase t;
    struct Plan {
        std::string sql;
        const char *index;
        bool sorts;  // 1,000 changed airports sorted beat a walk through all 20,000 in code order
    };
    std::vector<Plan> plans{{store::sql::airportList(SurfaceFilter::Hard, TypeFilter::VLP), "ARPT_ICAO", false},
                            {store::sql::kChangedAirports, "ARPT_LastDate", true}};
    for (const store::sql::DeleteStep &step : store::sql::kDeleteAirport)
        plans.push_back({step.sql, step.table == std::string("ARPT") ? "ARPT_ICAO" : "_ICAO", false});
    for (const Plan &p : plans) {
        store::Statement &plan = t.db.prepare(("EXPLAIN QUERY PLAN " + p.sql).c_str());
        plan.bind(1, QStringLiteral("ED")).bind(2, QStringLiteral("EE")).bind(3, 0);
        const auto details = plan.allRows([](const store::Statement &row) { return row.text(3); });
        ASSERT_TRUE(details.ok()) << details.error().toStdString();
        const QString detail = QStringList(details->begin(), details->end()).join(u'|');
        EXPECT_TRUE(detail.startsWith("SEARCH") && detail.contains(p.index)) << p.sql << ": " << detail.toStdString();
        EXPECT_EQ(detail.contains("TEMP B-TREE"), p.sorts) << p.sql << ": " << detail.toStdString();
    }
}

TEST(ManagerStore, DeletingAnAirportRemovesItsRowsOnlyAndCountsThem) {
    test::TempDatabase t;
    test::addSampleAirports(t);
    addNotesAndMaps(t, "EDDF");
    addNotesAndMaps(t, "EDDM");
    const QStringList before = test::dumpAirportData(t.db);

    const auto deleted = t.store->deletion.deleteAirport(" eddf ");
    ASSERT_TRUE(deleted.ok()) << deleted.error().toStdString();
    ASSERT_TRUE(*deleted);
    EXPECT_EQ(**deleted, (store::DeletedAirport{"EDDF", "Frankfurt/Main", 3, 3, 2, 2, 2}));
    QStringList kept;
    for (const QString &line : before)
        if (!line.contains("\"EDDF\"")) kept << line;
    EXPECT_EQ(test::dumpAirportData(t.db), kept);
    EXPECT_EQ(t.store->deletion.deleteAirport("EDDF").value(), std::nullopt);
    EXPECT_EQ(t.store->deletion.deleteAirport("EDQQ").value(), std::nullopt);
    EXPECT_EQ(test::dumpAirportData(t.db), kept);
}

TEST(ManagerStore, CountriesFollowAddingAndDeletingACountrysOnlyAirport) {
    test::TempDatabase t;
    test::addSampleAirports(t);
    const auto countries = [&] {
        QStringList shown;
        for (const store::CountryRow &c : t.store->lists.countries().value())
            shown << c.ICAO + "=" + QString::number(c.Anzahl);
        shown.sort();  // all named "Kein Land gefunden"
        return shown.join(u',') + " total " + QString::number(t.store->lists.airportCount().value());
    };
    const QString start = countries();
    EXPECT_EQ(start, "ED=5,ET=1,LI=1,ZZ=1 total 8");
    test::addSampleAirport(t, "TQPF", "Wallblake", "VLP");
    EXPECT_EQ(countries(), "ED=5,ET=1,LI=1,TQ=1,ZZ=1 total 9");
    ASSERT_TRUE(t.store->deletion.deleteAirport("TQPF").value());
    EXPECT_EQ(countries(), start);
    ASSERT_TRUE(t.store->deletion.deleteAirport("EDKA").value());
    EXPECT_EQ(countries(), "ED=4,ET=1,LI=1,ZZ=1 total 7");
}

TEST(ManagerStore, AFailureAtAnyStepOfTheDeletionLeavesTheAirportWhole) {
    for (const store::sql::DeleteStep &step : store::sql::kDeleteAirport) {
        test::TempDatabase t;
        test::addSampleAirports(t);
        addNotesAndMaps(t, "EDDF");
        const std::string trigger = std::string("CREATE TRIGGER refuse BEFORE DELETE ON ") + step.table +
                                    " BEGIN SELECT RAISE(ABORT, 'refused'); END";
        ASSERT_TRUE(t.db.exec(trigger.c_str()).ok());
        const QStringList before = test::dumpAirportData(t.db);

        const auto deleted = t.store->deletion.deleteAirport("EDDF");
        EXPECT_FALSE(deleted.ok()) << step.table;
        EXPECT_FALSE(deleted.error().contains("refused")) << deleted.error().toStdString();
        EXPECT_EQ(test::dumpAirportData(t.db), before) << step.table;
        ASSERT_TRUE(t.db.exec("DROP TRIGGER refuse").ok());
        EXPECT_TRUE(t.store->deletion.deleteAirport("EDDF").ok()) << step.table;  // the connection is usable again
    }
}

TEST(ManagerStore, ADeletionOnAReadOnlyFileSaysSoInGermanAndChangesNothing) {
    test::TempDatabase t;
    test::addSampleAirports(t);
    const QStringList before = test::dumpAirportData(t.db);
    store::Database readOnly;
    ASSERT_TRUE(readOnly.open(t.path(), store::Database::Mode::ReadOnly).ok());
    const QString error = store::AirportDeletion(readOnly).deleteAirport("EDDF").error();
    EXPECT_TRUE(error.endsWith("schreibgeschützt.")) << error.toStdString();
    EXPECT_EQ(test::dumpAirportData(t.db), before);
}
