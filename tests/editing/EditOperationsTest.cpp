// The edit operations on a database of their own: the rows and columns each
// writes, the summary lengths and LastDate that follow, and nothing written
// when a write fails.
#include "editing/EditOperations.h"

#include "support/QtPrinters.h"
#include "support/SampleAirports.h"
#include "support/TableDump.h"

#include <sqlcipher/sqlite3.h>

#include <gtest/gtest.h>

#include <functional>

using namespace volmira;
using editing::ApproachEntry;
using editing::ComEntry;
using editing::RunwayEntry;
using store::AirportStore;

namespace {

const RunwayEntry kAsphalt{"09 / 27", "094 / 274", "09", "27", 1200, 30, "-0.3 / 1.0", 0};
const RunwayEntry kGrass{"07L / 25R", "066 / 246", "07L", "25R", 800, 23, "", 1};
const ComEntry kTower{"TOWER", "118.500"};
const ApproachEntry kIls{"27", "110.30", "IBR", "3.0", "", ""};

editing::AirportEntry airportEntry(const QString &icao, const QString &name) {
    return {icao, name, "1000 ft", "4907.1 N / 00945.0 E", 49.118333, 9.75, 1640, -2, "SLP"};
}

// The rows of one airport in a table, without internal ids.
QStringList rowsOf(test::TempDatabase &t, const char *table, const char *icao = "EDKO") {
    return test::dumpTable(t.db, table, {"id", "NameKey", "SortKey"}).filter(QStringLiteral("\"%1\"").arg(icao));
}

QString lengthsAndLastDate(test::TempDatabase &t) {
    const store::ArptRow a = t.store->reads.airportByIcao("EDKO").value().value();
    return QStringLiteral("%1 %2 %3").arg(a.RwyALen.value_or(-1)).arg(a.RwyGLen.value_or(-1)).arg(a.LastDate);
}

// Each step runs a day after the one before, at 10:15:00; ids of the rows written so far.
struct Step {
    const char *what;
    std::function<QString(AirportStore &, std::vector<long long> &ids)> run;  // the failure, empty when written
    const char *table;
    QStringList rows;          // the table's rows of EDKO afterwards
    const char *arpt;          // RwyALen, RwyGLen and LastDate afterwards
    const char *error = "";
};

// The outcome of a write; the id of the row it wrote joins `ids`.
template <typename Written, typename Row>
QString keep(const editing::WriteOutcome<Written, Row> &r, std::vector<long long> &ids) {
    if (r && std::holds_alternative<Written>(*r)) ids.push_back(editing::RowKind<Row>::row(std::get<Written>(*r)).id);
    return test::outcomeOf(r) == "written" ? QString() : test::outcomeOf(r);
}

// The stamp of the stored row of that id, as a window that shows it has it.
template <typename Row>
store::Stamp shown(AirportStore &s, long long id) {
    return store::stampOf((s.rows.*editing::RowKind<Row>::find)(id).value().value());
}

}  // namespace

TEST(EditOperations, EachWritesItsRowStampedAndTheAirportFollows) {
    test::TempDatabase t;
    test::addSampleAirports(t);  // EDKO: 06 / 24 of 880 m, SURFACE 1
    // A runway as update files bring them: nulls, SURFACE 2, a short RWYHDG, no stamp.
    test::expectOk(t.store->edits.insertRunway({0, "EDKO", "05 / 23", {}, {}, "5", {}, {}, {}, 2, {}, {}}).error());
    const QString old = R"(RWY: "EDKO"|"06 / 24"|∅|∅|"060"|∅|880|30|1|"2026-02-01"|"08:00:00")";
    const QString update = R"(RWY: "EDKO"|"05 / 23"|∅|∅|"5"|∅|∅|∅|2|∅|∅)";
    const std::vector<Step> steps{
        {"add a runway under the stored code", [](auto &s, auto &ids) { return keep(editing::addRunway(s, "edko", kAsphalt), ids); }, "RWY",
         {update, old, R"(RWY: "EDKO"|"09 / 27"|"09"|"27"|"094 / 274"|"-0.3 / 1.0"|1200|30|0|"2026-03-14"|"10:15:00")"}, "1200 880 2026-03-14"},
        {"change it", [](auto &s, auto &ids) { return keep(editing::changeRunway(s, "EDKO", ids[0], shown<store::RwyRow>(s, ids[0]), kGrass), ids); }, "RWY",
         {update, old, R"(RWY: "EDKO"|"07L / 25R"|"07L"|"25R"|"066 / 246"|""|800|23|1|"2026-03-15"|"10:15:00")"}, "0 880 2026-03-15"},
        {"a runway of another airport", [](auto &s, auto &ids) { return keep(editing::changeRunway(s, "EDKO", 1, shown<store::RwyRow>(s, 1), kAsphalt), ids); }, "RWY",
         {update, old, R"(RWY: "EDKO"|"07L / 25R"|"07L"|"25R"|"066 / 246"|""|800|23|1|"2026-03-15"|"10:15:00")"}, "0 880 2026-03-15",
         "vanished"},
        {"delete every runway", [](auto &s, auto &) {
             for (const store::RwyRow &r : s.reads.runways("EDKO").value())
                 if (QString e = editing::deleteRunway(s, "EDKO", r.id, store::stampOf(r)).error(); !e.isEmpty()) return e;
             return QString(); }, "RWY", {}, "0 0 2026-03-17"},
        {"add a frequency", [](auto &s, auto &ids) { return keep(editing::addFrequency(s, "EDKO", kTower), ids); }, "ACOM",
         {R"(ACOM: "EDKO"|"BRILON INFO"|"122.600"|"2026-02-01"|"08:00:00")", R"(ACOM: "EDKO"|"TOWER"|"118.500"|"2026-03-18"|"10:15:00")"}, "0 0 2026-03-18"},
        {"change it", [](auto &s, auto &ids) { return keep(editing::changeFrequency(s, "EDKO", ids[2], shown<store::AcomRow>(s, ids[2]), {"Turm", ""}), ids); }, "ACOM",
         {R"(ACOM: "EDKO"|"BRILON INFO"|"122.600"|"2026-02-01"|"08:00:00")", R"(ACOM: "EDKO"|"Turm"|""|"2026-03-19"|"10:15:00")"}, "0 0 2026-03-19"},
        {"delete it", [](auto &s, auto &ids) { return keep(editing::deleteFrequency(s, "EDKO", ids[2], shown<store::AcomRow>(s, ids[2])), ids); }, "ACOM",
         {R"(ACOM: "EDKO"|"BRILON INFO"|"122.600"|"2026-02-01"|"08:00:00")"}, "0 0 2026-03-20"},
        {"add an approach", [](auto &s, auto &ids) { return keep(editing::addApproach(s, "EDKO", kIls), ids); }, "ILS",
         {R"(ILS: "EDKO"|"27"|"110.30"|"IBR"|"3.0"|""|""|"2026-03-21"|"10:15:00")"}, "0 0 2026-03-21"},
        {"change it", [](auto &s, auto &ids) { return keep(editing::changeApproach(s, "EDKO", ids[5], shown<store::IlsRow>(s, ids[5]), {"09", "", "", "", "75", "OBR"}), ids); }, "ILS",
         {R"(ILS: "EDKO"|"09"|""|""|""|"75"|"OBR"|"2026-03-22"|"10:15:00")"}, "0 0 2026-03-22"},
        {"delete it", [](auto &s, auto &ids) { return keep(editing::deleteApproach(s, "EDKO", ids[5], shown<store::IlsRow>(s, ids[5])), ids); }, "ILS", {}, "0 0 2026-03-23"},
        {"change the airport: code, lengths and note category kept", [](auto &s, auto &) {
             return editing::changeAirport(s, "edko", {"2026-01-02", "08:00:00"}, airportEntry("XXXX", "Brilon")).error(); }, "ARPT",
         {R"(ARPT: "EDKO"|"Brilon"|"4907.1 N / 00945.0 E"|49.118333|9.75|1640|"1000 ft"|-2|0|0|"SLP"|"2026-03-24"|"10:15:00"|"2026-03-24"|∅)"}, "0 0 2026-03-24"},
    };
    QDate day(2026, 3, 14);
    std::vector<long long> ids;
    for (const Step &step : steps) {
        t.clock.set(QDateTime(day, QTime(10, 15)));
        day = day.addDays(1);
        EXPECT_EQ(step.run(*t.store, ids), step.error) << step.what;
        EXPECT_EQ(rowsOf(t, step.table), step.rows) << step.what;
        EXPECT_EQ(lengthsAndLastDate(t), step.arpt) << step.what;
        EXPECT_EQ(rowsOf(t, "RWY", "EDDF").size(), 3) << step.what;
    }
}

TEST(EditOperations, ANewAirportIsUpperCaseWithoutRunwaysAndItsCodeIsTakenInAnyCase) {
    test::TempDatabase t;
    const auto created = editing::createAirport(*t.store, airportEntry("eddx", "Neu"));
    ASSERT_EQ(created.error(), "");
    EXPECT_EQ(rowsOf(t, "ARPT", "EDDX"),
              QStringList{R"(ARPT: "EDDX"|"Neu"|"4907.1 N / 00945.0 E"|49.118333|9.75|1640|"1000 ft"|-2|0|0|"SLP"|"2026-03-14"|"10:15:00"|"2026-03-14"|∅)"});
    EXPECT_EQ(created->LastDate, "2026-03-14");
    const editing::DuplicateQuery taken = editing::duplicateQuery(*t.store);
    EXPECT_TRUE(taken("eDdX").value());
    EXPECT_FALSE(taken("EDDY").value());
    EXPECT_NE(editing::createAirport(*t.store, airportEntry("EDDX", "Zweiter")).error(), "");
    EXPECT_EQ(rowsOf(t, "ARPT", "EDDX").size(), 1);
}

// A held write lock, a read-only file and a statement failing in the middle of
// an operation: a German message, and nothing of the operation is written.
TEST(EditOperations, AFailedWriteLeavesEveryRowAsItWas) {
    using Operation = std::function<QString(AirportStore &)>;
    const std::vector<std::pair<const char *, Operation>> operations{
        {"add runway", [](AirportStore &s) { return editing::addRunway(s, "EDKO", kAsphalt).error(); }},
        {"delete runway", [](AirportStore &s) {
             const store::RwyRow runway = s.reads.runways("EDKO").value()[0];
             return editing::deleteRunway(s, "EDKO", runway.id, store::stampOf(runway)).error(); }},
        {"add frequency", [](AirportStore &s) { return editing::addFrequency(s, "EDKO", kTower).error(); }},
        {"create airport", [](AirportStore &s) { return editing::createAirport(s, airportEntry("EDDX", "Neu")).error(); }},
    };
    enum Fault { Locked, ReadOnly, FailingStatement };
    for (const Fault fault : {Locked, ReadOnly, FailingStatement}) {
        for (const auto &[what, run] : operations) {
            test::TempDatabase t;
            test::addSampleAirports(t);
            const QStringList before = test::dumpAirportData(t.db);
            store::Database other;
            ASSERT_TRUE(other.open(t.path(), fault == ReadOnly ? store::Database::Mode::ReadOnly
                                                              : store::Database::Mode::ReadWrite).ok());
            AirportStore otherStore(other, t.clock);
            AirportStore &store = fault == ReadOnly ? otherStore : *t.store;
            if (fault == Locked) {
                sqlite3_busy_timeout(t.db.handle(), 0);
                ASSERT_TRUE(other.exec("BEGIN IMMEDIATE;").ok());
            }
            if (fault == FailingStatement) {
                ASSERT_TRUE(t.db.exec("CREATE TRIGGER refuse BEFORE UPDATE ON ARPT BEGIN SELECT RAISE(ABORT, 'no'); END;").ok());
            }
            const QString error = run(store);
            const std::array messages{"Die Datenbank wird gerade von einem anderen Programm benutzt.",
                                      "schreibgeschützt.", "verletzt eine Regel der Datenbank."};
            EXPECT_TRUE(error.endsWith(messages[fault])) << what << ": " << error.toStdString();
            (void)other.exec("ROLLBACK;");
            EXPECT_EQ(test::dumpAirportData(t.db), before) << what << " " << fault;
        }
    }
}

TEST(EditOperations, QuotesPercentUmlautsAndLongTextsComeBackUnchanged) {
    test::TempDatabase t;
    test::addSampleAirports(t);
    for (const QString &text : {QStringLiteral("O'Hare \"Süd\" 100 % _\\"), QString(1000, u'ß')}) {
        RunwayEntry runway = kAsphalt;
        runway.SLOPE = text;
        EXPECT_EQ(std::get<0>(editing::addRunway(*t.store, "EDKO", runway).value()).runway.SLOPE, text);
        EXPECT_EQ(std::get<0>(editing::addFrequency(*t.store, "EDKO", {text, text}).value()).FREQ, text);
        const store::Stamp airport = store::stampOf(t.store->reads.airportByIcao("EDKO").value().value());
        EXPECT_EQ(std::get<0>(editing::changeAirport(*t.store, "EDKO", airport, airportEntry("", text)).value()).Name, text);
        EXPECT_EQ(t.store->reads.runways("EDKO").value().back().SLOPE, text);
    }
}

// Another program changes or deletes a loaded row, or deletes its airport: nothing is written.
TEST(EditOperations, AChangeOrDeleteWritesNothingOverWhatAnotherProgramDidMeanwhile) {
    using Act = std::function<QString(AirportStore &, const store::Stamp &loaded)>;
    // EDKO's runway is the fourth, after Frankfurt's three.
    const Act changeRunway = [](auto &s, auto &at) { return test::outcomeOf(editing::changeRunway(s, "EDKO", 4, at, kAsphalt)); };
    const Act deleteRunway = [](auto &s, auto &at) { return test::outcomeOf(editing::deleteRunway(s, "EDKO", 4, at)); };
    const Act changeAirport = [](auto &s, auto &at) { return test::outcomeOf(editing::changeAirport(s, "EDKO", at, airportEntry("", "B"))); };
    const Act addRunway = [](auto &s, auto &) { return test::outcomeOf(editing::addRunway(s, "EDKO", kGrass)); };
    const Act deleteAirport = [](auto &s, auto &) { return s.deletion.deleteAirport("EDKO").ok() ? "written" : QString(); };
    const store::Stamp row{"2026-02-01", "08:00:00"}, airport{"2026-01-02", "08:00:00"};
    const QString changed = "changed 2026-03-15 09:00:00", gone = store::airportGoneMessage("edko");
    const struct { Act other, write; store::Stamp loaded; QString outcome; } cases[] = {
        {changeRunway, deleteRunway, row, changed},       {deleteRunway, changeRunway, row, "vanished"},
        {changeAirport, changeAirport, airport, changed}, {deleteAirport, changeRunway, row, gone},
        {deleteAirport, addRunway, row, gone},            {deleteAirport, changeAirport, airport, gone},
    };
    for (const auto &c : cases) {
        test::TempDatabase t;
        test::addSampleAirports(t);
        EXPECT_EQ(c.other(*test::OtherProgram(t).store, c.loaded), "written");
        const QStringList before = test::dumpAirportData(t.db);
        EXPECT_EQ(c.write(*t.store, c.loaded), c.outcome) << &c - cases;
        EXPECT_EQ(test::dumpAirportData(t.db), before) << &c - cases;
    }
}
