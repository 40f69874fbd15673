// What the import refuses, cuts, skips and counts, and how it dates the data.
#include "store/exchange/UpdateHistory.h"
#include "store/exchange/UpdateImport.h"

#include "support/DamagedFile.h"
#include "support/Files.h"
#include "support/FullDisk.h"
#include "support/QtPrinters.h"
#include "support/TableDump.h"
#include "support/TempDatabase.h"
#include "support/UpdateFile.h"


#include <gtest/gtest.h>

#include <limits>

using namespace volmira;
using namespace volmira::store;
using namespace volmira::store::exchange;
using test::UpdateFile;
namespace rf = volmira::store::recordfile;

namespace {

struct ImportChecks : ::testing::Test {
    ImportChecks() {
        t.add(t.airport("EDAA", "Alt A"));
        EXPECT_EQ(t.store->edits.insertFrequency({0, "EDAA", "ALT", "120.000", "2020-01-01", "10:00:00"}).error(), "");
        EXPECT_EQ(t.store->edits.setVersion({"07.08.2026", "0.1.0"}).error(), "");
    }
    QString path(const QString &name) const { return t.folder() + "/" + name; }
    platform::Result<ImportOutcome> run(const QString &file, const QString &folder = {}) {
        return importUpdate(*t.store, {file, folder.isEmpty() ? t.folder() : folder, ""});
    }
    test::TempDatabase t;
};

}  // namespace

TEST_F(ImportChecks, BadCodesAndImpossibleValuesAreRefusedByRecordNumberAndChangeNothing) {
    const QStringList before = test::dumpAirportData(t.db);
    auto airportWith = [&](Column column, rf::Value value) {
        rf::Row row = airportRecord(t.airport("EDQQ"));
        row[column] = std::move(value);
        return row;
    };
    rf::Row longRunway = runwayRecord({0, "EDAA", "09 / 27", "09", "27", "", "", -4000, 30, 0, "", ""});
    struct Case {
        const char *what;
        UpdateFile file;
        const char *message;
    } cases[] = {
        {"quote", UpdateFile().airport("ED'Q", "Q"), "APT (Datensatz 1): Der ICAO-Code „ED'Q“ ist ungültig"},
        {"blank", UpdateFile().airport("ED Q", "Q"), "APT (Datensatz 1)"},
        {"NUL", UpdateFile().airport(QString::fromLatin1("ED\0Q", 4), "Q"), "APT (Datensatz 1)"},
        {"42 characters", UpdateFile().airport(QString(42, 'E'), "Q"), "APT (Datensatz 1)"},
        {"3 characters", UpdateFile().airport("EDQ", "Q"), "APT (Datensatz 1)"},
        {"code of a row", UpdateFile().airport("EDQQ", "Q").frequency("ED Q", "T"), "COM (Datensatz 2)"},
        {"latitude", UpdateFile().raw(airportWith(aWGS_DLAT, 95.5)), "Spalte aWGS_DLAT: „95.5“ ist nicht im erlaubten"},
        {"longitude", UpdateFile().raw(airportWith(aWGS_DLONG, -180.5)), "aWGS_DLONG"},
        {"elevation", UpdateFile().raw(airportWith(aELEV, qint64(std::numeric_limits<int>::min()))), "aELEV"},
        {"asphalt length", UpdateFile().raw(airportWith(aRwyALen, qint64(-1))), "aRwyALen"},
        {"runway length", UpdateFile().airport("EDAA", "A").raw(longRunway), "RWY (Datensatz 2): Spalte rLENGTH"},
    };
    for (const Case &c : cases) {
        const auto result = run(c.file.save(path("bad.crm")));
        EXPECT_TRUE(result.error().contains(QString::fromUtf8(c.message))) << c.what << ": " << result.error().toStdString();
        EXPECT_EQ(test::dumpAirportData(t.db), before) << c.what;
    }
}

TEST_F(ImportChecks, LongTextsAreCutRowsWithoutAirportAndDuplicatesSkippedUndeclaredValuesIgnored) {
    const QString file = UpdateFile()
                             .airport(" edqq", QString(150, u'N'))
                             .runway("EDQQ", "09 / 27").runway("edqq", "09 / 27")  // the same row twice
                             .frequency("EDZZ", "NIRGENDS").note("EDZZ", "Tanken", "nirgends")
                             .frequency("EDAA", "NEU").frequency("EDAA", "NEU")
                             .save(path("update.crm"));
    // Every row also names a column the file does not declare.
    test::writeFile(file, test::readFile(file).replace("<z:row ", "<z:row extra='1' "));

    const auto result = run(file);
    ASSERT_EQ(result.error(), "");
    EXPECT_EQ(result->counts.cutTexts, 1);
    EXPECT_EQ(result->counts.ignoredValues, 7);
    EXPECT_EQ(result->counts.withoutAirport, 2);
    EXPECT_EQ(result->counts.duplicates, 2);
    EXPECT_EQ(result->counts.runways, 1);
    EXPECT_EQ(t.store->reads.airportByIcao("EDQQ").value()->Name, QString(100, u'N'));
    EXPECT_FALSE(t.store->reads.airportByIcao("EDZZ").value());
    EXPECT_EQ(t.store->reads.frequencies("EDAA").value().size(), 2u);

    // The same rows again for an airport not in the file: it has them already.
    const auto again = run(UpdateFile().airport("EDQQ", "Q").frequency("EDAA", "NEU").save(path("again.crm")));
    ASSERT_EQ(again.error(), "");
    EXPECT_EQ(again->counts.duplicates, 1);
    EXPECT_EQ(t.store->reads.frequencies("EDAA").value().size(), 2u);
}

TEST_F(ImportChecks, WithoutADataVersionTheNewestStampDatesTheDataNeverBackwards) {
    ASSERT_EQ(run(UpdateFile().airport("EDAA", "A").runway("EDAA", "09 / 27", "2026-09-15").save(path("a.crm"))).error(),
              "");
    EXPECT_EQ(t.store->lists.version().value()->DatabaseVersion, "15.09.2026");
    // Shown in the window, the airport is stamped with its newest row: no change of the user's.
    ASSERT_EQ(t.store->edits.setLastDate("EDAA", "2026-09-15").error(), "");
    EXPECT_TRUE(t.store->lists.changedAirports().value().empty());
    ASSERT_EQ(run(UpdateFile().airport("EDBB", "B", "2026-08-01").save(path("b.crm"))).error(), "");
    EXPECT_EQ(t.store->lists.version().value()->DatabaseVersion, "15.09.2026");
    const auto history = readUpdateHistory(path(kUpdateHistoryFile));
    ASSERT_EQ(history.error(), "");
    ASSERT_EQ(history->size(), 2u);
    for (const HistoryEntry &entry : *history) EXPECT_EQ(entry.Date->date, QDate(2026, 9, 15)) << entry.ICAO.toStdString();
}

TEST_F(ImportChecks, ADamagedDatabaseIsNotImportedIntoAndTheLastBackupStays) {
    ASSERT_EQ(run(UpdateFile().airport("EDAA", "A").save(path("a.crm"))).error(), "");
    const QByteArray backup = test::fileHash(t.path() + ".bak");
    t.db.close();
    ASSERT_TRUE(test::damageTable(t.path(), "ACOM"));
    ASSERT_TRUE(t.db.open(t.path()).ok());

    const auto refused = run(UpdateFile().airport("EDBB", "B").save(path("b.crm")));
    EXPECT_TRUE(refused.error().contains("beschädigt")) << refused.error().toStdString();
    EXPECT_EQ(test::fileHash(t.path() + ".bak"), backup);
}

TEST_F(ImportChecks, AFullDiskForTheHistoryStopsTheImportBeforeItChangesAnything) {
    test::FullDisk disk;
    if (!disk.mounted()) GTEST_SKIP() << test::FullDisk::skipReason().toStdString();
    ASSERT_EQ(run(UpdateFile().airport("EDAA", "A").save(path("a.crm")), disk.path()).error(), "");
    const QByteArray history = test::fileHash(disk.filePath(kUpdateHistoryFile));
    const QStringList data = test::dumpAirportData(t.db);
    disk.fill();
    const auto refused = run(UpdateFile().airport("EDBB", "B").save(path("b.crm")), disk.path());
    EXPECT_TRUE(refused.error().contains("Der Datenträger ist voll.")) << refused.error().toStdString();
    EXPECT_EQ(test::fileHash(disk.filePath(kUpdateHistoryFile)), history);
    EXPECT_EQ(test::dumpAirportData(t.db), data);
}
