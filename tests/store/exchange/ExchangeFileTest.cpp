#include "store/exchange/ExchangeExport.h"
#include "store/exchange/ExchangeFile.h"
#include "store/recordfile/RecordFile.h"
#include "store/exchange/UpdateImport.h"

#include "support/QtPrinters.h"
#include "support/RecordFileSamples.h"
#include "support/TempDatabase.h"


#include <gtest/gtest.h>

using namespace volmira;
using namespace volmira::store;
using namespace volmira::store::exchange;
namespace rf = volmira::store::recordfile;

namespace {

std::size_t at(QStringView column) { return std::size_t(columnAt(column)); }

struct Exchange : ::testing::Test {
    test::TempDatabase t;

    void fill() {
        t.add(t.airport("EDFM", "Mosbach"));
        ArptRow bare;  // only the code: every other column null
        bare.ICAO = QStringLiteral("EDXX");
        t.add(bare);
        t.add(t.airport("EDDF", "Frankfurt"));

        const platform::Result<> writes[] = {
            t.store->edits.insertFrequency({0, "EDFM", "TOWER", "118.500", "2026-01-02", "08:00:00"}),
            t.store->edits.insertFrequency({0, "EDFM", QString(), QString(), QString(), QString()}),
            t.store->edits.insertRunway({0, "EDFM", "07 / 25", "07", "25", "066 / 246", "", 920, 18, 1, "2026-01-03", "23:59:59"}),
            t.store->edits.insertApproach({0, "EDFM", "25", "110.300", "IFM", QString(), "", "", "2026-01-04", "00:00:00"}),
            t.store->notes.save("EDFM", "Allgemein", "{\\rtf1 PPR}", "PPR"),
            t.store->edits.insertRunway({0, "EDDF", "07C / 25C", "07C", "25C", "066 / 246", "", 4000, 60, 0, "2026-01-02", "08:00:00"}),
        };
        for (const platform::Result<> &written : writes) ASSERT_EQ(written.error(), "");
    }

    QString file(const QString &name) const { return t.folder() + "/" + name; }

    // The dataType and ICAO of every record of a file.
    QStringList kinds(const QString &path) {
        const test::Records read = test::readRecordFile(path);
        EXPECT_EQ(read.error, "");
        QStringList kinds;
        for (const rf::Row &row : read.rows) kinds << std::get<QString>(row[1]) + " " + std::get<QString>(row[0]);
        return kinds;
    }
};

}  // namespace

TEST_F(Exchange, ExportWritesEachAirportWithItsRowsInTheFixedKindOrder) {
    fill();
    const auto done = exportAirports(*t.store, {"EDFM", "QQQQ", "edxx", "EDDF"}, file("export.crm"));
    ASSERT_EQ(done.error(), "");
    EXPECT_EQ(done->airports, 3);
    EXPECT_EQ(done->records, 9);
    // The list's order; a code without an airport is left out; an airport without rows is one record.
    EXPECT_EQ(kinds(file("export.crm")), (QStringList{"ARPT EDFM", "COM EDFM", "COM EDFM", "ILS EDFM", "RWY EDFM",
                                                      "MyInfo EDFM", "ARPT EDXX", "ARPT EDDF", "RWY EDDF"}));
}

TEST_F(Exchange, ACodeNamedTwiceIsWrittenOnceAndNoAirportFoundLeavesAnOlderFileAlone) {
    fill();
    const auto twice = exportAirports(*t.store, {"EDDF", "eddf", "EDXX", "EDDF"}, file("export.crm"));
    ASSERT_EQ(twice.error(), "");
    EXPECT_EQ(kinds(file("export.crm")), (QStringList{"ARPT EDDF", "RWY EDDF", "ARPT EDXX"}));

    const auto none = exportAirports(*t.store, {"QQQQ"}, file("export.crm"));
    EXPECT_EQ(none.error(), "");
    EXPECT_EQ(none->airports, 0);
    EXPECT_EQ(kinds(file("export.crm")).size(), 3);

    EXPECT_TRUE(exportAirports(*t.store, {"EDDF"}, file("fehlt/export.crm")).error().contains("export.crm"));
}

TEST_F(Exchange, NamesAndFrequenciesAreWrittenAsTextOtherNullsStayNull) {
    fill();
    ASSERT_EQ(exportAirports(*t.store, {"EDFM", "EDXX"}, file("export.crm")).error(), "");
    const auto [fields, rows, error] = test::readRecordFile(file("export.crm"));
    ASSERT_EQ(error, "");
    ASSERT_EQ(rows.size(), 7u);

    EXPECT_EQ(rows[0][at(u"aDate")], rf::Value(rf::DateTime{{2026, 1, 2}, {0, 0}}));
    EXPECT_EQ(rows[0][at(u"aTime")], rf::Value(rf::DateTime{rf::kOleDayZero, {8, 0}}));
    EXPECT_TRUE(rf::isNull(rows[0][at(u"cName")]));  // not a column of this kind
    EXPECT_EQ(rows[2][at(u"cName")], rf::Value(QString("")));   // null name written as text
    EXPECT_TRUE(rf::isNull(rows[2][at(u"cDate")]));
    EXPECT_TRUE(rf::isNull(rows[3][at(u"iILS_GS")]));           // null approach text stays null
    EXPECT_EQ(rows[6][at(u"aName")], rf::Value(QString("")));   // EDXX: null name as text
    EXPECT_TRUE(rf::isNull(rows[6][at(u"aELEV")]));
}

TEST_F(Exchange, ReaderDispatchesOnTheExactKindAndFindsColumnsInAnyCase) {
    // A hand-made file: columns declared in other cases, a kind in lower case.
    rf::Writer writer(file("hand.crm"), {{"icao", rf::FieldType::Text, 10, true},
                                         {"DATATYPE", rf::FieldType::Text, 10, true},
                                         {"ANAME", rf::FieldType::Text, 100, true},
                                         {"cname", rf::FieldType::Text, 30, true},
                                         {"CDATE", rf::FieldType::Text, 30, true},
                                         {"cFREQ", rf::FieldType::Double, 0, true},
                                         {"iILS_FREQ", rf::FieldType::Single, 0, true}});
    ASSERT_EQ(writer.open().error(), "");
    writer.write({QString("EDQA "), QString("ARPT"), QString("Alpha"), {}, {}, {}, {}});
    writer.write({QString("EDQB"), QString("arpt"), QString("Beta"), {}, {}, {}, {}});
    writer.write({QString("EDQA"), QString("COM"), {}, QString("INFO"), QString("2026-05-06"), 118.1, {}});
    writer.write({QString("EDQA"), QString("Rwy"), {}, {}, {}, {}, {}});
    writer.write({QString(" edqa"), QString("ILS"), {}, {}, {}, {}, double(109.9f)});
    ASSERT_EQ(writer.commit().error(), "");

    const auto imported = importUpdate(*t.store, {file("hand.crm"), t.folder(), ""});
    ASSERT_EQ(imported.error(), "");
    EXPECT_EQ(imported->counts.airportsReplaced, 1);
    EXPECT_EQ(imported->counts.unknownRows, 2);
    EXPECT_EQ(t.store->reads.airportByIcao("EDQA").value()->Name, "Alpha");
    EXPECT_FALSE(t.store->reads.airportByIcao("EDQB").value());
    ASSERT_EQ(t.store->reads.frequencies("EDQA").value().size(), 1u);
    EXPECT_EQ(t.store->reads.frequencies("EDQA").value()[0].Date, "2026-05-06");  // a date given as text
    // Numbers where texts belong keep their digits; blanks around codes are dropped.
    EXPECT_EQ(t.store->reads.frequencies("EDQA").value()[0].FREQ, "118.1");
    ASSERT_EQ(t.store->reads.approaches("EDQA").value().size(), 1u);
    EXPECT_EQ(t.store->reads.approaches("EDQA").value()[0].ILS_FREQ, "109.9");
    EXPECT_EQ(t.store->reads.airportByIcao("EDQA").value()->ICAO, "EDQA");
}

// The category limit and the file's column count characters alike: a category
// of 50 emoji (100 UTF-16 units) is accepted and comes back whole, so its note
// stays listed after the round trip.
TEST_F(Exchange, ACategoryAsWideAsItsColumnComesBackWhole) {
    t.add(t.airport("EDFM", "Mosbach"));
    QString category;
    for (int i = 0; i < 50; ++i) category += QString::fromUtf8("\U0001F6E9");
    ASSERT_FALSE(t.store->notes.addCategory(category).value().has_value());
    ASSERT_EQ(t.store->notes.save("EDFM", category, "{\\rtf1 PPR}", "PPR").error(), "");
    ASSERT_EQ(exportAirports(*t.store, {"EDFM"}, file("export.crm")).error(), "");

    test::TempDatabase other;
    const auto imported = importUpdate(*other.store, {file("export.crm"), other.folder(), ""});
    ASSERT_EQ(imported.error(), "");
    EXPECT_EQ(imported->counts.cutTexts, 0);
    ASSERT_EQ(other.store->notes.ofAirport("EDFM").value().size(), 1u);
    EXPECT_EQ(other.store->notes.ofAirport("EDFM").value()[0].Category, category);
}
