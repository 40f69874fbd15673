#include "store/AirportStore.h"

#include "support/DamagedFile.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

#include <functional>

using namespace volmira;

// A damaged page gives a German failure naming the file, never a short or empty answer.
TEST(DamagedDatabase, EveryReadOfADamagedTableFails) {
    test::TempDatabase t;
    {
        store::Transaction tx(t.db);
        for (int i = 0; i < 100; ++i) t.add(t.airport(QStringLiteral("E%1").arg(i, 3, 10, QChar('0'))));
        ASSERT_EQ(tx.commit().error(), "");
    }
    ASSERT_TRUE(
        t.store->edits.insertRunway({0, "E001", "09 / 27", "09", "27", "094 / 274", "", 800, 20, 0, "", ""}).error().isEmpty());
    t.db.close();
    ASSERT_TRUE(test::damageTable(t.path(), "ARPT"));
    ASSERT_TRUE(test::damageTable(t.path(), "RWY"));
    ASSERT_TRUE(t.db.open(t.path(), store::Database::Mode::ReadOnly).ok());

    store::AirportStore &s = *t.store;
    const std::vector<std::pair<const char *, std::function<QString()>>> reads = {
        {"runways", [&] { return s.reads.runways("E001").error(); }},
        {"airportCount", [&] { return s.lists.airportCount().error(); }},
        {"airportCodes", [&] { return s.lists.airportCodes().error(); }},
    };
    for (const auto &[name, read] : reads) {
        const QString error = read();
        EXPECT_TRUE(error.contains("beschädigt") && error.contains(t.path())) << name << ": " << error.toStdString();
    }
}
