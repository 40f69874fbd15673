#include "browser/LastUpdate.h"
#include "store/LastDate.h"
#include "support/QtPrinters.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

using namespace volmira::browser;
using volmira::store::ChangeStamp;

const QString kGap = QString(27, QLatin1Char(' '));

TEST(LastUpdate, NewestByDateThenTimeFirstOfEqualOnes) {
    const struct {
        std::vector<ChangeStamp> stamps;
        const char *expected;  // entry name, empty for none
    } cases[] = {
        {{{"RWY Info", "2026-08-01", "23:00:00"}, {"COM Info", "2026-08-02", "01:00:00"}}, "COM Info"},
        {{{"RWY Info", "2026-08-02", "10:00:00"}, {"Flughafen Info", "2026-08-02", "10:00:00"}}, "RWY Info"},
        // a year later beats a later month of the year before
        {{{"RWY Info", "2025-12-31", "12:00:00"}, {"COM Info", "2026-01-01", "00:00:00"}}, "COM Info"},
        {{{"RWY Info", "", "12:00:00"}, {"COM Info", "2001-01-01", "00:00:00"}}, "COM Info"},
        {{{"RWY Info", "", ""}, {"COM Info", "kaputt", "12:00:00"}}, ""},
        {{}, ""},
    };
    for (const auto &c : cases) EXPECT_EQ(volmira::store::newestChange(c.stamps).value_or(ChangeStamp{}).Name, c.expected);
}

TEST(LastUpdate, NoteSavedNowIsTheNewestChangeAndSetsLastDate) {
    volmira::test::TempDatabase t;
    t.clock.set(QDateTime(QDate(2026, 8, 7), QTime(14, 5, 0)));
    t.add(t.airport("EDFE"));  // LastDate 2026-01-02
    ASSERT_EQ(t.store->edits.insertRunway({0, "EDFE", "08 / 26", {}, {}, {}, {}, {}, {}, {}, "2026-08-07", "14:04:59"}).error(), "");

    EXPECT_EQ(readLastUpdate(*t.store, "EDFE").value().title, "Volmira EDFE" + kGap + "Letzte Aktualisierung - RWY Info - 07 Aug 26");
    EXPECT_EQ(t.store->reads.airportByIcao("EDFE").value()->LastDate, "2026-01-02") << "reading must not write";

    ASSERT_TRUE(t.store->notes.save("EDFE", "Kontakt", "{\\rtf1 x}", "x").error().isEmpty());
    const LastUpdate after = readLastUpdate(*t.store, "EDFE").value();
    EXPECT_TRUE(volmira::store::storeLastDate(*t.store, "EDFE", after.lastDate).error().isEmpty());
    EXPECT_EQ(after.title, "Volmira EDFE" + kGap + "Letzte Aktualisierung - Info Kategorie: Kontakt - 07 Aug 26");
    EXPECT_EQ(t.store->reads.airportByIcao("EDFE").value()->LastDate, "2026-08-07");
}
