#include "store/AirportStore.h"
#include "store/ManagerStatements.h"
#include "support/SampleAirports.h"
#include "support/TableDump.h"

#include <gtest/gtest.h>

using namespace volmira;
using S = store::SurfaceFilter;
using T = store::TypeFilter;
using L = std::optional<int>;

TEST(ManagerStore, EachFilterOutcomeListsTheAirportsItAdmits) {
    test::TempDatabase t;
    const std::tuple<const char *, L, L, const char *> airports[] = {{"EDAA", 1200, 0, "VLP"}, {"EDAB", 0, 800, "slp"},
        {"EDAC", {}, {}, "vlp"}, {"EDAD", -1, -1, "SLP"}, {"E_AX", 9, 0, ""}, {"EXAY", 9, 0, ""}};
    for (const auto &[icao, hard, grass, type] : airports) {
        store::ArptRow row = t.airport(icao);
        std::tie(row.RwyALen, row.RwyGLen, row.Type) = std::tuple(hard, grass, type);
        t.add(row);
    }
    const std::tuple<const char *, store::AirportFilter, const char *> cases[] = {{"ed", {S::Hard, T::Any, 600}, "EDAA"},
        {"ED", {S::Grass, T::Any, 799}, "EDAB"}, {"ED", {S::Any, T::SLP, -5}, "EDAB EDAD"}, {"ED", {S::None, T::Any, 0}, "EDAD"},
        {"ED", {S::Off, T::VLP, 0}, "EDAA EDAC"}, {"ED", {S::Off, T::None, 0}, ""}, {"E_", {S::Off, T::Any, 0}, "E_AX"}};
    for (const auto &[prefix, filter, listed] : cases) {
        QStringList codes;
        for (const store::ArptRow &row : t.store->lists.airportList(prefix, filter).value()) codes << row.ICAO;
        EXPECT_EQ(codes.join(u' '), listed) << prefix << int(filter.surface) << int(filter.type) << filter.minLength;
    }
}

TEST(ManagerStore, TheListsAndTheDeletionSearchAnIndexNotTheWholeTable) {
    test::TempDatabase t;
    std::vector<std::string> statements{store::sql::airportList(S::Hard, T::VLP), store::sql::kChangedAirports};
    for (const store::sql::DeleteStep &step : store::sql::kDeleteAirport) statements.push_back(step.sql);
    for (const std::string &sql : statements) {
        store::Statement &explain = t.db.prepare(("EXPLAIN QUERY PLAN " + sql).c_str());
        const QString plan = explain.firstRow([](const store::Statement &r) { return r.text(3); })->value();
        EXPECT_TRUE(plan.startsWith("SEARCH TABLE") && plan.contains("INDEX")) << plan.toStdString();
    }
}

TEST(ManagerStore, DeletingAnAirportRemovesItsRowsOnlyInOneTransactionAndCountsThem) {
    test::TempDatabase t;
    test::addSampleAirports(t);
    test::expectOk(t.db.exec("INSERT INTO MAPDATA (ICAO, Number) VALUES ('EDDF', 0), ('EDDF', 3), ('EDDM', 0)").error());
    for (const char *icao : {"EDDF", "EDDM"}) test::expectOk(t.store->notes.save(icao, "Kontakt", "x", "x").error());
    const std::string before = test::dumpAirportData(t.db).join(u'\n').toStdString();
    for (const store::sql::DeleteStep &step : store::sql::kDeleteAirport) {  // a failure at any step
        const std::string no = "CREATE TRIGGER no BEFORE DELETE ON " + std::string(step.table) + " BEGIN SELECT RAISE(ABORT,'');END";
        ASSERT_TRUE(t.db.exec(no.c_str()).ok() && !t.store->deletion.deleteAirport("EDDF").ok());
        EXPECT_EQ(test::dumpAirportData(t.db).join(u'\n').toStdString(), before) << step.table;
        ASSERT_TRUE(t.db.exec("DROP TRIGGER no").ok());
    }
    EXPECT_EQ(**t.store->deletion.deleteAirport(" eddf "), store::DeletedAirport("EDDF", "Frankfurt/Main", 3, 3, 2, 1, 2));
    QStringList kept = QString::fromStdString(before).split(u'\n');
    kept.removeIf([](const QString &line) { return line.contains("\"EDDF\""); });
    EXPECT_EQ(test::dumpAirportData(t.db), kept);
}
