#include "store/AirportStore.h"

#include "support/TempDatabase.h"

#include <gtest/gtest.h>

using namespace volmira;

// The engine's English texts ("UNIQUE constraint failed", "attempt to write a
// readonly database") never reach the user.
TEST(EngineError, ARefusedWriteSaysWhyInGerman) {
    test::TempDatabase t;
    t.add(t.airport("EDAA"));
    const QString twice = t.store->edits.insertAirport(t.airport("EDAA")).error();
    EXPECT_TRUE(twice.contains("schon vorhanden")) << twice.toStdString();

    t.db.close();
    ASSERT_TRUE(t.db.open(t.path(), store::Database::Mode::ReadOnly).ok());
    const QString readOnly = t.store->edits.setLastDate("EDAA", "2026-05-01").error();
    EXPECT_TRUE(readOnly.contains("schreibgeschützt") && readOnly.contains(t.path())) << readOnly.toStdString();
}
