#include "manager/CountTexts.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using namespace volmira::manager;

TEST(CountTexts, AnExportOfOneAirportOrOneRecordIsToldInTheSingular) {
    const std::vector<std::tuple<qint64, qint64, const char *>> cases{
        {1, 1, "1 Flughafen mit 1 Datensatz nach a.crm geschrieben."},
        {1, 21, "1 Flughafen mit 21 Datensätzen nach a.crm geschrieben."},
        {2, 30, "2 Flughäfen mit 30 Datensätzen nach a.crm geschrieben."},
    };
    for (const auto &[airports, records, text] : cases)
        EXPECT_EQ(exportWrittenText(airports, records, "a.crm"), QString::fromUtf8(text));
}
