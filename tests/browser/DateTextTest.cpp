#include "store/DateText.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace volmira::store;

TEST(DateText, ReadsStoredDatesAndTimesStrictly) {
    EXPECT_EQ(parseStoredDate("2026-08-07"), QDate(2026, 8, 7));
    EXPECT_EQ(parseStoredDate(" 07.08.2026 "), QDate(2026, 8, 7));  // Version.DatabaseVersion
    EXPECT_EQ(parseStoredTime("23:59:59"), QTime(23, 59, 59));
    for (const char *text : {"", "2025-02-29", "2026-8-7", "07.08.26", "2026-08-07x", "13.13.2026"})
        EXPECT_FALSE(parseStoredDate(text).isValid()) << text;
    for (const char *text : {"24:00:00", "09:60:00", "9:05:00", "09:05"})
        EXPECT_FALSE(parseStoredTime(text).isValid()) << text;
    EXPECT_EQ(germanDateShort(QDate()), "");
}
