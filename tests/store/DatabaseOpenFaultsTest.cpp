#include "store/Database.h"

#include "support/TempDatabase.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

#include <gtest/gtest.h>

using namespace volmira;

namespace {

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
    const volmira::platform::Result<> opened = db.open(path, store::Database::Mode::ReadOnly);
    if (!opened.ok()) return opened.error();
    return db.prepare("SELECT count(*) FROM ARPT WHERE Name <> ''").allRows([](const store::Statement &) { return 0; }).error();
}

}  // namespace

// None of these is a wrong password: each says what happened.
TEST(DatabaseOpenFaults, ACutOffFileIsReportedAsDamaged) {
    test::TempDatabase t;
    fill(t, 300);
    const qint64 size = QFileInfo(t.path()).size();
    for (const qint64 cut : {size / 2 + 300, size / 2 / 1024 * 1024}) {
        ASSERT_TRUE(QFile::resize(t.path(), cut));
        const QString message = openAndRead(t.db, t.path());
        EXPECT_TRUE(message.contains("beschädigt") || message.contains("unvollständig")) << message.toStdString();
        EXPECT_FALSE(message.contains("Kennwort")) << message.toStdString();
    }
}

TEST(DatabaseOpenFaults, AReaderWaitsForALockAndThenSaysTheFileIsInUse) {
    test::TempDatabase t;
    fill(t, 1);
    store::Database writer;
    ASSERT_TRUE(writer.open(t.path()).ok());
    ASSERT_EQ(writer.exec("BEGIN EXCLUSIVE;").error(), "");
    QElapsedTimer waited;
    waited.start();
    const volmira::platform::Result<> opened = t.db.open(t.path(), store::Database::Mode::ReadOnly);
    EXPECT_GE(waited.elapsed(), 4500);
    EXPECT_EQ(opened.error().toStdString(), "Die Datenbank wird gerade von einem anderen Programm benutzt.");
}

// A journal left by a killed writer needs writing to roll back; on a read-only
// file system that cannot happen. Needs root to mount one.
TEST(DatabaseOpenFaults, AJournalThatCannotBeRolledBackIsSaidSo) {
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
            const QString error =
                writer.prepare("INSERT INTO MyInfo (ICAO, MyInfo) VALUES ('E001', ?)").bind(1, QString(300, 'x')).run().error();
            ASSERT_EQ(error, "");
        }
        ASSERT_TRUE(QFileInfo::exists(t.path() + "-journal"));
        ASSERT_TRUE(QFile::copy(t.path(), mount.filePath("vmdata.vmd")));
        ASSERT_TRUE(QFile::copy(t.path() + "-journal", mount.filePath("vmdata.vmd-journal")));
    }
    ASSERT_EQ(QProcess::execute("mount", {"-o", "remount,ro", mount.path()}), 0);
    const QString message = openAndRead(t.db, mount.filePath("vmdata.vmd"));
    EXPECT_TRUE(message.contains("wiederhergestellt") && message.contains("schreibgeschützt")) << message.toStdString();
}
