// Export and import through the real executable on the full shipped database.
#include "store/Database.h"
#include "store/exchange/UpdateHistory.h"

#include "support/QtPrinters.h"
#include "support/TableDump.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

using namespace volmira;

namespace {

struct Outcome {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

Outcome run(const QString &dataDir, QStringList arguments) {
    QProcess process;
    process.start(VOLMIRA_EXECUTABLE, arguments << "--data-dir" << dataDir);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

// What the exchange file carries: the airport tables without internal ids and
// without the user's own columns of ARPT.
QStringList carried(const QString &database) {
    store::Database db;
    EXPECT_TRUE(db.open(database, store::Database::Mode::ReadOnly).ok());
    QStringList rows = test::dumpTable(db, "ARPT", {"NameKey", "LastDate", "LastKat"});
    for (const char *table : {"RWY", "ACOM", "ILS", "MyInfo"}) rows << test::dumpTable(db, table, {"id"});
    return rows;
}

void execute(const QString &database, const char *sql) {
    store::Database db;
    ASSERT_TRUE(db.open(database).ok());
    ASSERT_EQ(db.exec(sql), "");
}

// The exchange file carries texts within their columns and no row twice; the
// shipped data hold longer frequency names and a few frequencies and runways twice.
constexpr const char *kFitForExchange =
    "UPDATE ACOM SET Name = substr(Name, 1, 30); "
    "DELETE FROM ACOM WHERE id NOT IN (SELECT min(id) FROM ACOM GROUP BY ICAO, Name, FREQ, Date, Time); "
    "DELETE FROM RWY WHERE id NOT IN (SELECT min(id) FROM RWY GROUP BY ICAO, RWY, RwyLow, RwyHigh, RWYHDG, SLOPE, "
    "Length, Width, SURFACE, Date, Time)";

struct ExchangeCli : ::testing::Test {
    QTemporaryDir source, target;
    QString file() const { return source.filePath("all.crm"); }
    QString sourceDb() const { return source.filePath("vmdata.vmd"); }
    QString targetDb() const { return target.filePath("vmdata.vmd"); }
};

}  // namespace

TEST_F(ExchangeCli, ExportOfEverythingImportedElsewhereGivesBackEveryCarriedColumn) {
    // A note with awkward characters travels too.
    ASSERT_EQ(run(source.path(), {"countries"}).exitCode, 0);  // installs the shipped database
    execute(sourceDb(), kFitForExchange);
    execute(sourceDb(), "INSERT INTO MyInfo (ICAO, Category, MyInfo, PrintInfo, Date, Time) VALUES ('EDDF', "
                        "'Tanken', '{\\rtf1 Jet A1\\par}', 'Jet A1' || char(13, 10, 9) || '<&>\"''', "
                        "'2026-11-30', '17:45:00')");
    const Outcome exported = run(source.path(), {"export", file(), "--all", "--json"});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(exported.out)["airports"].toInt(), 19231);

    // The target is the shipped data with every carried value spoilt: only the import can mend it.
    ASSERT_EQ(run(target.path(), {"countries"}).exitCode, 0);
    execute(targetDb(), "UPDATE ARPT SET Name = 'x', ELEV = NULL, WGS_DLAT = 0, Date = NULL; DELETE FROM RWY; "
                        "UPDATE ACOM SET FREQ = '0', Time = '00:00:00'");
    ASSERT_NE(carried(targetDb()), carried(sourceDb()));
    const Outcome imported = run(target.path(), {"import", file(), "--json"});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    const QJsonObject counts = QJsonDocument::fromJson(imported.out).object();
    EXPECT_EQ(counts["airportsReplaced"].toInt(), 19231);
    EXPECT_EQ(counts["notesAdded"].toInt(), 1);

    const QStringList expected = carried(sourceDb()), actual = carried(targetDb());
    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) ASSERT_EQ(actual[i], expected[i]) << "row " << i;
}

TEST_F(ExchangeCli, ChangedAirportsAreTheDefaultExportAndNothingChangedWritesNothing) {
    ASSERT_EQ(run(source.path(), {"countries"}).exitCode, 0);
    const Outcome none = run(source.path(), {"export", file()});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.err.contains("Keine aktualisierten Daten vorhanden"));
    EXPECT_FALSE(QFile::exists(file()));

    execute(sourceDb(), "UPDATE ARPT SET LastDate = '2026-12-01' WHERE ICAO IN ('EDDF', 'EDHN')");
    EXPECT_TRUE(run(source.path(), {"changed"}).out.startsWith("2 aktualisierte Flugplätze vorhanden\n"));
    ASSERT_EQ(run(source.path(), {"export"}).exitCode, 0);
    ASSERT_TRUE(QFile::rename(source.filePath("export.crm"), file()));  // export.crm in the data folder
    ASSERT_EQ(run(target.path(), {"countries"}).exitCode, 0);
    const Outcome imported = run(target.path(), {"import", file(), "--data-version", "2026-12-01", "--json"});
    EXPECT_EQ(QJsonDocument::fromJson(imported.out)["airportsReplaced"].toInt(), 2);
    store::Database db;
    ASSERT_TRUE(db.open(targetDb(), store::Database::Mode::ReadOnly).ok());
    EXPECT_EQ(test::dumpTable(db, "Version").value(0).section('|', 0, 0), "Version: \"01.12.2026\"");

    EXPECT_EQ(run(target.path(), {"import", file(), "--data-version", "gestern"}).exitCode, 2);
    EXPECT_EQ(run(target.path(), {"export", file(), "--all", "--icao", "EDDF"}).exitCode, 2);
}

// An import killed at any stage leaves the database either as it was or fully
// updated, and the next start works.
TEST_F(ExchangeCli, AnImportKilledAtAnyStageLeavesOldOrNewDataAndTheNextStartWorks) {
    ASSERT_EQ(run(source.path(), {"countries"}).exitCode, 0);
    execute(sourceDb(), kFitForExchange);
    execute(sourceDb(), "UPDATE ARPT SET Name = 'Neu ' || Name");
    ASSERT_EQ(run(source.path(), {"export", file(), "--all"}).exitCode, 0);
    ASSERT_EQ(run(target.path(), {"countries"}).exitCode, 0);
    const QStringList before = carried(targetDb());
    const QStringList after = carried(sourceDb());
    const QString small = source.filePath("small.crm");
    ASSERT_EQ(run(source.path(), {"export", small, "--icao", "EDHN"}).exitCode, 0);
    const QString history = target.filePath("UpdateInfo.crm");

    for (const char *stage : {"backup", "removed", "appending", "commit", "history"}) {
        for (const QString &old : {targetDb(), targetDb() + "-journal", history, history + ".neu"}) QFile::remove(old);
        ASSERT_TRUE(QFile::copy(VOLMIRA_BINARY_DIR "/vmdata-shipped.vmd", targetDb()));
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VOLMIRA_IMPORT_PAUSE", stage);
        process.setProcessEnvironment(env);
        process.start(VOLMIRA_EXECUTABLE, {"import", file(), "--data-dir", target.path()});
        ASSERT_TRUE(process.waitForStarted());
        process.setReadChannel(QProcess::StandardError);
        QByteArray err;
        while (!err.contains("Import angehalten") && process.waitForReadyRead(60000)) err += process.readAllStandardError();
        ::kill(pid_t(process.processId()), SIGKILL);
        ASSERT_TRUE(err.contains(QByteArray("Import angehalten: ") + stage)) << stage << ": " << err.toStdString();
        process.waitForFinished();

        // The next start reads first: a reader must roll back what the killed import left.
        const bool committed = QByteArray(stage) == "history";
        const Outcome next = run(target.path(), {"lookup", "EDDF"});
        EXPECT_EQ(next.exitCode, 0) << stage << ": " << next.err.toStdString();
        EXPECT_EQ(next.out.contains("Neu Frankfurt"), committed) << stage;
        EXPECT_TRUE(carried(targetDb()) == (committed ? after : before)) << stage;

        // The next import puts the history of a committed import in place and drops that of one rolled back.
        ASSERT_EQ(run(target.path(), {"import", small}).exitCode, 0) << stage;
        std::vector<store::exchange::HistoryEntry> entries;
        ASSERT_EQ(store::exchange::readUpdateHistory(history, entries), "");
        EXPECT_EQ(entries.size(), committed ? 19232u : 1u) << stage;
    }
}
