#include "app/AboutInfo.h"

#include "support/Files.h"
#include "support/HistoryFile.h"
#include "support/QtPrinters.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

using namespace volmira;

namespace {

// The date list with each day's count and codes, as one line per day.
QStringList daysOf(const app::AboutInfo &info) {
    QStringList days;
    for (const app::UpdateDay &day : info.days) {
        QStringList codes;
        for (const auto &row : day.rows) codes << row.ICAO + ' ' + app::historyDateText(row);
        days << day.text + " | " + app::airportCountText(qsizetype(day.rows.size())) + " | " + codes.join(", ");
    }
    return days;
}

}  // namespace

TEST(AboutInfo, TheLabelsShowTheVersionRowAndADatabaseVersionThatIsNoDateAsItIs) {
    const struct {
        std::optional<store::VersionRow> row;
        const char *lblProg, *lblData;
    } cases[] = {
        {store::VersionRow{"21.04.2010", "1.0.3"}, "Version 1.0.3", "Datenbank vom 21 Apr 2010"},
        {store::VersionRow{"2010-12-05", ""}, "Version ", "Datenbank vom 05 Dez 2010"},
        {store::VersionRow{"", "1.0.2"}, "Version 1.0.2", "Datenbank vom "},
        {store::VersionRow{"Frühjahr 2010", "1.0.3"}, "Version 1.0.3", "Datenbank vom Frühjahr 2010"},
        {store::VersionRow{"31.02.2010", "1.0.3"}, "Version 1.0.3", "Datenbank vom 31.02.2010"},
        {std::nullopt, "Version ", "Datenbank vom "},
    };
    for (const auto &c : cases) {
        const app::AboutInfo info = app::aboutInfo(c.row, std::vector<store::exchange::HistoryEntry>{});
        EXPECT_EQ(std::pair(info.lblProg, info.lblData), std::pair(QString(c.lblProg), QString::fromUtf8(c.lblData)))
            << &c - cases;
    }
}

// Days by value, oldest first, whatever the order and the time of day in the
// file; the rows of a day in file order; rows without a date last.
TEST(AboutInfo, TheHistoryIsListedByDayOldestFirstWithTheRowsWithoutADateLast) {
    test::TempDatabase t;
    ASSERT_TRUE(t.store->edits.setVersion({"21.04.2010", "1.0.3"}).ok());
    const struct {
        std::vector<test::HistoryRow> rows;
        QStringList days;
    } cases[] = {
        {test::kTwoUpdates,
         {"21 Apr 2010 | 3 Flugplätze | EDDF 21.04.2010, EDDM 21.04.2010, EDDH 21.04.2010",
          "05 Dez 2010 | 1 Flugplatz | EDST 05.12.2010", "ohne Datum | 1 Flugplatz | EDXX "}},
        {{{"EDXX", "a", ""}, {"EDXY", "b", ""}}, {"ohne Datum | 2 Flugplätze | EDXX , EDXY "}},
        {{{"EDHN", "Hahnweide", "1899-12-30T10:00:00"}, {"EDFE", "Egelsbach", "9999-12-31T00:00:00"}},
         {"30 Dez 1899 | 1 Flugplatz | EDHN 30.12.1899", "31 Dez 9999 | 1 Flugplatz | EDFE 31.12.9999"}},
        {{}, {}},  // a history written without a row
    };
    for (const auto &c : cases) {
        test::writeHistory(t.folder(), c.rows);
        const app::AboutInfo info = app::readAboutInfo(*t.store, t.folder());
        EXPECT_EQ(info.error, "");
        EXPECT_EQ(daysOf(info), c.days) << &c - cases;
    }
}

TEST(AboutInfo, AMissingHistoryIsEmptyAndAnUnreadableOneGivesTheReadersMessage) {
    QByteArray whole;
    {
        test::TempDatabase t;
        test::writeHistory(t.folder(), test::kTwoUpdates);
        whole = test::readFile(QDir(t.folder()).filePath("UpdateInfo.crm"));
    }
    const struct {
        std::optional<QByteArray> bytes;  // none: no file
        bool readable;
    } cases[] = {
        {std::nullopt, true},
        {whole, true},
        {QByteArray(), false},
        {whole.left(whole.indexOf("EDDM")), false},  // cut inside the rows
        {"<xml><s:Schema id='RowsetSchema'>", false},
        {"\x89PNG\r\n\x1a\n", false},
    };
    for (const auto &c : cases) {
        test::TempDatabase t;
        ASSERT_TRUE(t.store->edits.setVersion({"21.04.2010", "1.0.3"}).ok());
        if (c.bytes) test::writeFile(QDir(t.folder()).filePath("UpdateInfo.crm"), *c.bytes);
        const app::AboutInfo info = app::readAboutInfo(*t.store, t.folder());
        const auto row = &c - cases;
        EXPECT_EQ(info.days.size(), c.bytes && c.readable ? 3u : 0u) << row;
        EXPECT_EQ(info.error.isEmpty(), c.readable) << row << info.error.toStdString();
        EXPECT_TRUE(c.readable || info.error.contains("UpdateInfo.crm")) << info.error.toStdString();
        EXPECT_EQ(info.lblData, "Datenbank vom 21 Apr 2010");  // the rest is shown all the same
    }
}
