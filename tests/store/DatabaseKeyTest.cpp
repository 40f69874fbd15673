#include "store/Database.h"

#include "support/TempDatabase.h"

#include <sqlcipher/sqlite3.h>

#include <gtest/gtest.h>

using namespace volmira;

namespace {

// Whether the file opens with the password of the connection text, as the
// files of earlier versions did.
bool opensWithPassword(const QString &path) {
    sqlite3 *db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    int rc = sqlite3_exec(db, "PRAGMA key = 'kestrel52-118';", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master;", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return rc == SQLITE_OK;
}

// A file as an earlier version wrote it, with one airport.
void writeOldFile(test::TempDatabase &t) {
    t.add(t.airport("EDAA", "Alt"));
    EXPECT_FALSE(opensWithPassword(t.path())) << "a new file is written with the derived key";
    ASSERT_EQ(t.db.exec("PRAGMA rekey = 'kestrel52-118';").error(), "");
    t.db.close();
    ASSERT_TRUE(opensWithPassword(t.path()));
}

}  // namespace

TEST(DatabaseKey, AFileOfAnEarlierVersionOpensAndIsConvertedByAWritableOpen) {
    test::TempDatabase t;
    writeOldFile(t);

    ASSERT_TRUE(t.db.open(t.path(), store::Database::Mode::ReadOnly).ok());
    EXPECT_EQ(t.store->reads.airportByIcao("EDAA").value()->Name, "Alt");
    t.db.close();
    EXPECT_TRUE(opensWithPassword(t.path())) << "a reader leaves the file as it is";

    ASSERT_TRUE(t.db.open(t.path(), store::Database::Mode::ReadWrite).ok());
    EXPECT_EQ(t.store->reads.airportByIcao("EDAA").value()->Name, "Alt");
    t.db.close();
    EXPECT_FALSE(opensWithPassword(t.path()));
    ASSERT_TRUE(t.db.open(t.path(), store::Database::Mode::ReadOnly).ok());
    EXPECT_EQ(t.store->reads.airportByIcao("EDAA").value()->Name, "Alt");
}

// The engine would convert the file halfway, hold it locked and finish at a later commit.
TEST(DatabaseKey, AFileAnotherProgramHasOpenIsLeftForALaterConversion) {
    test::TempDatabase t;
    writeOldFile(t);
    store::Database reader;
    ASSERT_TRUE(reader.open(t.path(), store::Database::Mode::ReadOnly).ok());
    ASSERT_EQ(reader.exec("BEGIN; SELECT count(*) FROM ARPT;").error(), "");  // holds the file for reading

    ASSERT_TRUE(t.db.open(t.path()).ok());
    ASSERT_EQ(reader.exec("COMMIT;").error(), "");
    EXPECT_EQ(t.store->edits.insertAirport(t.airport("EDAB", "Neu")).error(), "");
    t.db.close();
    ASSERT_TRUE(opensWithPassword(t.path()));
    ASSERT_TRUE(t.db.open(t.path(), store::Database::Mode::ReadOnly).ok());
    EXPECT_EQ(t.store->lists.airportCount().value(), 2);
}
