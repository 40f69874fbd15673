#include "store/AirportStore.h"
#include "store/Database.h"

#include "support/DamagedFile.h"
#include "support/Files.h"
#include "support/QtPrinters.h"
#include "support/TempDatabase.h"

#include <sqlcipher/sqlite3.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include <gtest/gtest.h>

using namespace volmira;

namespace {

// Replaces the file by one with our schema but another password.
void makeDatabaseWithKey(const QString &path, const char *keyPragma) {
    QFile::remove(path);
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, keyPragma, nullptr, nullptr, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE ARPT (ICAO TEXT); PRAGMA user_version = 1;", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
}

// A file of some pages, closed.
void fill(test::TempDatabase &t, int airports) {
    {
        store::Transaction tx(t.db);
        for (int i = 0; i < airports; ++i) t.add(t.airport(QStringLiteral("E%1").arg(i, 3, 10, QChar('0'))));
        ASSERT_EQ(tx.commit().error(), "");
    }
    t.db.close();
}

// Everything the open says, or the failure of the first full read after it.
QString openAndRead(store::Database &db, const QString &path) {
    const platform::Result<> opened = db.open(path, store::Database::Mode::ReadOnly);
    if (!opened.ok()) return opened.error();
    return db.prepare("SELECT count(*) FROM ARPT WHERE Name <> ''").allRows([](const store::Statement &) { return 0; }).error();
}

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

// Each says what happened; only a file of whole encrypted pages can be a wrong password.
TEST(DatabaseOpen, EveryFileThatDoesNotOpenIsNamedForWhatItIs) {
    const struct Case {
        const char *what;
        std::function<void(const QString &)> make;
        const char *message;
    } cases[] = {
        {"missing", [](const QString &p) { QFile::remove(p); }, "wurde nicht gefunden."},
        {"other password", [](const QString &p) { makeDatabaseWithKey(p, "PRAGMA key = 'anderes-kennwort';"); },
         "lässt sich nicht entschlüsseln: sie ist mit einem anderen Kennwort"},
        {"text", [](const QString &p) { test::writeFile(p, "Dies ist keine Datenbank, nur ein Text.\n"); },
         "ist keine Datenbank von Volmira APT"},
        {"unencrypted", [](const QString &p) { makeDatabaseWithKey(p, "PRAGMA key = '';"); },
         "ist keine Datenbank von Volmira APT"},
        {"empty", [](const QString &p) { test::writeFile(p, QByteArray()); }, "ist keine Datenbank von Volmira APT"},
        {"not whole pages", [](const QString &p) { test::writeFile(p, QByteArray(1500, 'x')); },
         "ist unvollständig: sie endet mitten in einem Block."},
        {"cut inside a page", [](const QString &p) { ASSERT_TRUE(QFile::resize(p, QFileInfo(p).size() / 2 + 300)); }, "beschädigt"},
        {"cut at a page", [](const QString &p) { ASSERT_TRUE(QFile::resize(p, QFileInfo(p).size() / 2 / 1024 * 1024)); }, "beschädigt"},
        {"newer program", [](const QString &p) {
             store::Database db;
             ASSERT_TRUE(db.open(p).ok());
             ASSERT_TRUE(db.exec("PRAGMA user_version = 99;").ok());
         }, "stammt von einer neueren Programmversion (Format 99, dieses Programm kennt "},
    };
    for (const Case &c : cases) {
        test::TempDatabase t;
        fill(t, 300);
        c.make(t.path());
        const QString message = openAndRead(t.db, t.path());
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.message))) << c.what << ": " << message.toStdString();
        EXPECT_EQ(message.contains("Kennwort"), QString(c.what) == "other password") << c.what;
    }
}

TEST(DatabaseOpen, AReaderWaitsForALockAndThenSaysTheFileIsInUse) {
    test::TempDatabase t;
    fill(t, 1);
    store::Database writer;
    ASSERT_TRUE(writer.open(t.path()).ok());
    ASSERT_EQ(writer.exec("BEGIN EXCLUSIVE;").error(), "");
    QElapsedTimer waited;
    waited.start();
    const platform::Result<> opened = t.db.open(t.path(), store::Database::Mode::ReadOnly);
    EXPECT_GE(waited.elapsed(), 4500);
    EXPECT_EQ(opened.error().toStdString(), "Die Datenbank wird gerade von einem anderen Programm benutzt.");
}

// A journal left by a killed writer needs writing to roll back; on a read-only
// file system that cannot happen. Needs root to mount one.
TEST(DatabaseOpen, AJournalThatCannotBeRolledBackIsSaidSo) {
    test::TempDatabase t;
    fill(t, 10);
    QTemporaryDir mount;
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=4m", "none", mount.path()}) != 0)
        GTEST_SKIP() << "no tmpfs mount without root";
    const std::unique_ptr<QTemporaryDir, void (*)(QTemporaryDir *)> unmount(
        &mount, [](QTemporaryDir *m) { QProcess::execute("umount", {m->path()}); });
    {
        // A writer whose changes no longer fit its cache has written its journal and changed the file.
        store::Database writer;
        ASSERT_TRUE(writer.open(t.path()).ok());
        ASSERT_EQ(writer.exec("PRAGMA cache_size = 10; BEGIN;").error(), "");
        for (int i = 0; i < 400; ++i) {
            const auto insert = writer.prepare("INSERT INTO MyInfo (ICAO, MyInfo) VALUES ('E001', ?)").bind(1, QString(300, 'x')).run();
            ASSERT_TRUE(insert.ok()) << insert.error().toStdString();
        }
        ASSERT_TRUE(QFile::copy(t.path(), mount.filePath("vmdata.vmd")));
        ASSERT_TRUE(QFile::copy(t.path() + "-journal", mount.filePath("vmdata.vmd-journal")));
    }
    ASSERT_EQ(QProcess::execute("mount", {"-o", "remount,ro", mount.path()}), 0);
    const QString message = openAndRead(t.db, mount.filePath("vmdata.vmd"));
    EXPECT_TRUE(message.contains("wiederhergestellt") && message.contains("schreibgeschützt")) << message.toStdString();
}

TEST(DatabaseTransaction, RollsBackUnlessCommittedAndNests) {
    test::TempDatabase temp;
    {
        store::Transaction outer(temp.db);
        temp.add(temp.airport("EDAA"));
        {
            store::Transaction inner(temp.db);
            temp.add(temp.airport("EDAB"));
            ASSERT_TRUE(inner.commit().ok());
        }
        {
            store::Transaction dropped(temp.db);
            temp.add(temp.airport("EDAC"));
        }
        ASSERT_TRUE(outer.commit().ok());
    }
    EXPECT_EQ(temp.store->lists.airportCodes().value(), (QStringList{"EDAA", "EDAB"}));
}

// Another program holds the write lock for a second: a change that reads
// before it writes waits for it instead of failing at once.
TEST(DatabaseTransaction, AWriteWaitsForTheLockOfAnotherProgram) {
    test::TempDatabase t;
    store::Database other;
    ASSERT_TRUE(other.open(t.path()).ok());
    ASSERT_EQ(other.exec("BEGIN IMMEDIATE; INSERT INTO MyCategory (Category) VALUES ('Andere');").error(), "");
    std::thread holder([&other] {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        EXPECT_EQ(other.exec("COMMIT;").error(), "");
    });
    store::Transaction tx(t.db);
    QString error = tx.startError();
    error += t.store->lists.airportCodes().error();
    error += t.store->notes.insertCategory("Eigene").error();
    error += tx.commit().error();
    holder.join();
    EXPECT_EQ(error.toStdString(), "");
}

TEST(DatabaseKey, AFileOfAnEarlierVersionOpensAndIsConvertedByAWritableOpen) {
    test::TempDatabase t;
    writeOldFile(t);

    using Mode = store::Database::Mode;
    for (const auto &[mode, converted] : {std::pair{Mode::ReadOnly, false}, {Mode::ReadWrite, true}, {Mode::ReadOnly, true}}) {
        ASSERT_TRUE(t.db.open(t.path(), mode).ok());
        EXPECT_EQ(t.store->reads.airportByIcao("EDAA").value()->Name, "Alt");
        t.db.close();
        EXPECT_NE(opensWithPassword(t.path()), converted) << "a reader leaves the file as it is, a writer converts it";
    }
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

// A damaged page gives a German failure naming the file, never a short or empty answer.
TEST(DamagedDatabase, EveryReadOfADamagedTableFails) {
    test::TempDatabase t;
    fill(t, 100);
    ASSERT_TRUE(t.db.open(t.path()).ok());
    ASSERT_EQ(t.store->edits.insertRunway({0, "E001", "09 / 27", "09", "27", "094 / 274", "", 800, 20, 0, "", ""}).error(), "");
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
