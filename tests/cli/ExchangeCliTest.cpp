// Export and import through the real executable on the full shipped database.
#include "store/Database.h"
#include "store/exchange/UpdateHistory.h"

#include "support/Command.h"
#include "support/QtPrinters.h"
#include "support/TableDump.h"

#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira;
using test::runCommand;

namespace {

// What the exchange file carries: the airport tables without internal ids and
// without the user's own columns of ARPT.
QStringList carried(const QString &database) {
    store::Database db;
    EXPECT_TRUE(db.open(database, store::Database::Mode::ReadOnly).ok());
    QStringList rows = test::dumpTable(db, "ARPT", {"NameKey", "SortKey", "LastDate", "LastKat"});
    for (const char *table : {"RWY", "ACOM", "ILS", "MyInfo"}) rows << test::dumpTable(db, table, {"id"});
    return rows;
}

struct ExchangeCli : ::testing::Test {
    QTemporaryDir source, target;
    QString file() const { return source.filePath("all.crm"); }
    QString sourceDb() const { return source.filePath("vmdata.vmd"); }
    QString targetDb() const { return target.filePath("vmdata.vmd"); }
};

}  // namespace

TEST_F(ExchangeCli, ChangedAirportsAreTheDefaultExportAndNothingFoundWritesNothing) {
    ASSERT_EQ(runCommand(source.path(), {"countries"}).exitCode, 0);
    const test::CommandResult none = runCommand(source.path(), {"export", file()});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.err.contains("Keine aktualisierten Daten vorhanden"));
    const test::CommandResult unknown = runCommand(source.path(), {"export", file(), "--icao", "ZZZZ"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.contains("es wurde nichts geschrieben")) << unknown.err.toStdString();
    EXPECT_FALSE(QFile::exists(file()));

    test::executeSql(sourceDb(), "UPDATE ARPT SET LastDate = '2026-12-01' WHERE ICAO IN ('EDDF', 'EDHN')");
    EXPECT_TRUE(runCommand(source.path(), {"changed"}).out.startsWith("2 aktualisierte Flugplätze vorhanden\n"));
    EXPECT_EQ(QJsonDocument::fromJson(runCommand(source.path(), {"export", "--json"}).out)["airports"].toInt(), 2);
    EXPECT_TRUE(QFile::exists(source.filePath("export.crm")));  // in the data folder
}

// The shipped data go through an export and an import elsewhere unchanged:
// no text cut, no row skipped as a duplicate, and no helipad among the runways.
TEST_F(ExchangeCli, AFreshDataFolderExportedWholeImportsIntoAnotherUnchanged) {
    ASSERT_EQ(runCommand(source.path(), {"countries"}).exitCode, 0);
    ASSERT_EQ(runCommand(target.path(), {"countries"}).exitCode, 0);
    ASSERT_EQ(runCommand(source.path(), {"export", file(), "--all"}).exitCode, 0);
    const test::CommandResult imported = runCommand(target.path(), {"import", file(), "--json"});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    const QJsonDocument counts = QJsonDocument::fromJson(imported.out);
    EXPECT_EQ(std::pair(counts["cutTexts"].toInt(-1), counts["duplicates"].toInt(-1)), std::pair(0, 0));

    store::Database shipped, again;
    ASSERT_TRUE(shipped.open(sourceDb(), store::Database::Mode::ReadOnly).ok());
    ASSERT_TRUE(again.open(targetDb(), store::Database::Mode::ReadOnly).ok());
    const QStringList expected = test::dumpAirportData(shipped), actual = test::dumpAirportData(again);
    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) ASSERT_EQ(actual[i], expected[i]) << "row " << i;
    EXPECT_EQ(expected.filter(QStringLiteral("RWY: \"EDDS\"|")).size(), 1);
}

// Everything exported and imported elsewhere gives back every carried column,
// and an import killed at any stage leaves the database either as it was or
// fully updated, and the next start works.
TEST_F(ExchangeCli, AnImportKilledAtAnyStageLeavesOldOrNewDataAndTheNextStartWorks) {
    ASSERT_EQ(runCommand(source.path(), {"countries"}).exitCode, 0);
    // Every airport changed, and a note with awkward characters.
    test::executeSql(sourceDb(), "UPDATE ARPT SET Name = 'Neu ' || Name; "
                                 "INSERT INTO MyInfo (ICAO, Category, MyInfo, PrintInfo, Date, Time) VALUES ('EDDF', "
                                 "'Tanken', '{\\rtf1 Jet A1\\par}', 'Jet A1' || char(13, 10, 9) || '<&>\"''', "
                                 "'2026-11-30', '17:45:00')");
    const test::CommandResult exported = runCommand(source.path(), {"export", file(), "--all", "--json"});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(exported.out)["airports"].toInt(), 19231);
    ASSERT_EQ(runCommand(target.path(), {"countries"}).exitCode, 0);
    const QStringList before = carried(targetDb());
    const QStringList after = carried(sourceDb());
    const QString small = source.filePath("small.crm");
    ASSERT_EQ(runCommand(source.path(), {"export", small, "--icao", "EDHN"}).exitCode, 0);
    const QString history = target.filePath("UpdateInfo.crm");

    for (const char *stage : {"backup", "removed", "appending", "commit", "history"}) {
        for (const QString &old : {targetDb(), targetDb() + "-journal", history, history + ".neu"}) QFile::remove(old);
        ASSERT_TRUE(QFile::copy(VOLMIRA_BINARY_DIR "/vmdata-shipped.vmd", targetDb()));
        ASSERT_TRUE(test::runKilledAt(target.path(), {"import", file()}, "VOLMIRA_IMPORT_PAUSE", stage)) << stage;

        // The next start reads first: a reader must roll back what the killed import left.
        const bool committed = QByteArray(stage) == "history";
        const test::CommandResult next = runCommand(target.path(), {"lookup", "EDDF"});
        EXPECT_EQ(next.exitCode, 0) << stage << ": " << next.err.toStdString();
        EXPECT_EQ(next.out.contains("Neu Frankfurt"), committed) << stage;
        const QStringList actual = carried(targetDb()), &expected = committed ? after : before;
        ASSERT_EQ(actual.size(), expected.size()) << stage;
        for (qsizetype i = 0; i < expected.size(); ++i) ASSERT_EQ(actual[i], expected[i]) << stage << " row " << i;

        // The next import puts the history of a committed import in place and drops that of one rolled back.
        ASSERT_EQ(runCommand(target.path(), {"import", small}).exitCode, 0) << stage;
        const auto entries = store::exchange::readUpdateHistory(history);
        ASSERT_EQ(entries.error(), "");
        EXPECT_EQ(entries->size(), committed ? 19232u : 1u) << stage;
    }
}
