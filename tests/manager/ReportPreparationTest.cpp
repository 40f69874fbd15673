#include "manager/ListFilter.h"
#include "manager/ReportPreparation.h"
#include "store/ReportStore.h"
#include "support/SampleAirports.h"
#include "support/TableDump.h"

#include <gtest/gtest.h>

using namespace volmira;


TEST(ReportPreparation, ListsTheManagersSelectionKeepsTheOldRowsWhenTheRefillFailsReadsBackInOrder) {
    test::TempDatabase t;
    test::addSampleAirports(t);
    test::expectOk(t.db.exec("UPDATE ARPT SET RwyALen = CASE ICAO WHEN 'EDKO' THEN 0 ELSE 1000 END").error());
    manager::FilterSettings settings;  // hard runways checked, grass grey: the hard runway condition alone
    settings.surface = {manager::BoxState::Checked, manager::BoxState::Grey};
    const auto report = manager::prepareReport(t.db, "ed", manager::listFilter(settings).filter);
    ASSERT_EQ(report.error(), "");
    QStringList codes;
    for (const auto &a : *report) codes << QString("%1 %2:%3").arg(a.Index).arg(a.ICAO).arg(a.cmdGroup.size());
    EXPECT_EQ(codes, QStringList({"1 EDDF:3", "2 EDDG:1", "3 EDDM:1", "4 EDKA:2"}));
    const QStringList before = test::dumpTable(t.db, "RwyRoute");
    EXPECT_EQ(before.size(), 7);
    test::expectOk(t.db.exec("CREATE TRIGGER refuse BEFORE INSERT ON RwyRoute WHEN NEW.ICAO = 'EDKA' "
                             "BEGIN SELECT RAISE(ABORT, 'refused'); END;").error());
    EXPECT_NE(manager::prepareReport(t.db, "ED", {store::SurfaceFilter::Off}).error(), "");
    EXPECT_EQ(test::dumpTable(t.db, "RwyRoute"), before);
    test::expectOk(t.db.exec("DROP TRIGGER refuse").error());  // no transaction was left open
    EXPECT_EQ(manager::prepareReport(t.db, "ED", {store::SurfaceFilter::Off}).error(), "");

    // Read back by Index, then in the order written.
    std::vector<store::RwyRouteRow> rows;
    for (const char *line : {"2B1", "1Ax", "2B2", "1Ay"}) {
        rows.emplace_back();
        rows.back().Index = line[0] - '0';
        rows.back().ICAO = QString(line[1]);
        rows.back().RWY = QString(line[2]);
    }
    const auto back = store::ReportStore(t.db).rewriteRoute(rows);
    ASSERT_EQ(back.error(), "");
    EXPECT_EQ(manager::routeAirports(*back).at(1).cmdGroup.size(), 2u);
    EXPECT_EQ(back->at(0).RWY + back->at(1).RWY + back->at(3).RWY, "xy2");
}
