#include "store/DateText.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace volmira::store;

TEST(DateText, GermanMonthAbbreviationsWithoutDots) {
    const struct {
        QDate date;
        const char *shortText, *longText;
    } cases[] = {
        {QDate(2026, 8, 7), "07 Aug 26", "07 Aug 2026"},
        {QDate(2026, 3, 1), "01 Mrz 26", "01 Mrz 2026"},
        {QDate(2009, 10, 15), "15 Okt 09", "15 Okt 2009"},
        {QDate(2000, 12, 24), "24 Dez 00", "24 Dez 2000"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(germanDateShort(c.date), c.shortText);
        EXPECT_EQ(germanDateLong(c.date), c.longText);
    }
    EXPECT_EQ(defaultDateText(QDate(2026, 8, 7)), "07.08.2026");
    EXPECT_EQ(defaultTimeText(QTime(9, 5, 3)), "09:05:03");
    EXPECT_TRUE(germanDateShort(QDate()).isEmpty());
}

TEST(DateText, ReadsStoredDatesAndTimesStrictly) {
    EXPECT_EQ(parseStoredDate("2026-08-07"), QDate(2026, 8, 7));
    EXPECT_EQ(parseStoredDate(" 07.08.2026 "), QDate(2026, 8, 7));  // Version.DatabaseVersion
    EXPECT_EQ(parseStoredTime("23:59:59"), QTime(23, 59, 59));
    for (const char *text : {"", "2026-02-30", "2025-02-29", "2026-8-7", "07.08.26", "2026/08/07", "2026-08-07x",
                             "13.13.2026", "2026-08-07 09:30:00"})
        EXPECT_FALSE(parseStoredDate(text).isValid()) << text;
    for (const char *text : {"", "24:00:00", "09:60:00", "9:05:00", "09:05", "0a:05:00"})
        EXPECT_FALSE(parseStoredTime(text).isValid()) << text;
}
