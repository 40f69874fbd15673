#include "manager/ListFilter.h"
#include "manager/ReportPreparation.h"
#include "store/ReportStore.h"
#include "support/QtPrinters.h"
#include "support/SampleAirports.h"
#include "support/TableDump.h"

#include <gtest/gtest.h>

using namespace volmira;

namespace {

store::RwyRouteRow line(int index, const char *icao, const char *rwy) {
    store::RwyRouteRow row;
    row.Index = index;
    row.ICAO = icao;
    row.RWY = rwy;
    return row;
}

QStringList codesOf(const std::vector<manager::ReportAirport> &airports) {
    QStringList codes;
    for (const manager::ReportAirport &a : airports) codes << QString("%1 %2:%3").arg(a.Index).arg(a.ICAO).arg(a.cmdGroup.size());
    return codes;
}

}  // namespace

TEST(ReportPreparation, ListsTheManagersSelectionAndRewritesRwyRoute) {
    test::TempDatabase t;
    test::addSampleAirports(t);
    // Checked hard runways with a grey grass box: only the hard runway condition.
    manager::FilterSettings settings;
    settings.surface = {manager::BoxState::Checked, manager::BoxState::Grey};
    settings.length = "500";
    const store::AirportFilter filter = manager::listFilter(settings).filter;
    test::expectOk(t.db.exec("UPDATE ARPT SET RwyALen = CASE ICAO WHEN 'EDKO' THEN 0 ELSE 1000 END").error());

    const auto report = manager::prepareReport(t.db, "ed", filter);
    ASSERT_EQ(report.error(), "");
    const auto selection = t.store->lists.airportList("ed", filter);
    ASSERT_EQ(report->size(), selection->size());
    EXPECT_EQ(codesOf(*report), QStringList({"1 EDDF:3", "2 EDDG:1", "3 EDDM:1", "4 EDKA:2"}));
    EXPECT_EQ(test::dumpTable(t.db, "RwyRoute").size(), 7);
    EXPECT_EQ(report->front().Frequenzen.isEmpty(), false);
}

TEST(ReportPreparation, ReadsBackByIndexThenInWritingOrder) {
    test::TempDatabase t;
    store::ReportStore store(t.db);
    const auto back = store.rewriteRoute({line(2, "B", "1"), line(1, "A", "x"), line(2, "B", "2"), line(1, "A", "y")});
    ASSERT_EQ(back.error(), "");
    QStringList order;
    for (const store::RwyRouteRow &row : *back) order << row.ICAO + row.RWY;
    EXPECT_EQ(order, QStringList({"Ax", "Ay", "B1", "B2"}));
    EXPECT_EQ(codesOf(manager::routeAirports(*back)), QStringList({"1 A:2", "2 B:2"}));
}

TEST(ReportPreparation, AFailingStatementMidRefillKeepsTheOldRowsAndReports) {
    test::TempDatabase t;
    test::addSampleAirports(t);
    const store::AirportFilter every{store::SurfaceFilter::Off, store::TypeFilter::Any, 0};
    ASSERT_EQ(manager::prepareReport(t.db, "ED", every).error(), "");
    const QStringList before = test::dumpTable(t.db, "RwyRoute");
    test::expectOk(t.db.exec("CREATE TRIGGER refuse BEFORE INSERT ON RwyRoute WHEN NEW.ICAO = 'EDKA' "
                             "BEGIN SELECT RAISE(ABORT, 'refused'); END;").error());
    const auto failed = manager::prepareReport(t.db, "ED", every);
    EXPECT_FALSE(failed.ok());
    EXPECT_FALSE(failed.error().isEmpty());
    EXPECT_EQ(test::dumpTable(t.db, "RwyRoute"), before);
    // The connection is usable afterwards: no transaction left open.
    test::expectOk(t.db.exec("DROP TRIGGER refuse").error());
    EXPECT_EQ(manager::prepareReport(t.db, "ED", every).error(), "");
}
