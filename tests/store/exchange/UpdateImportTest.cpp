#include "store/exchange/ExchangeFile.h"
#include "store/recordfile/RecordFile.h"
#include "store/exchange/UpdateHistory.h"
#include "store/exchange/UpdateImport.h"

#include "support/DamagedFile.h"
#include "support/Files.h"
#include "support/FullDisk.h"
#include "support/QtPrinters.h"
#include "support/TableDump.h"
#include "support/TempDatabase.h"
#include "support/UpdateFile.h"

#include <sqlcipher/sqlite3.h>

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <limits>

using namespace volmira;
using namespace volmira::store;
using namespace volmira::store::exchange;
namespace rf = volmira::store::recordfile;
namespace ex = volmira::store::exchange;

namespace {

using test::UpdateFile;

struct Import : ::testing::Test {
    Import() {
        // Two airports with rows of every kind, a note and a map each; a third left alone.
        for (const char *icao : {"EDAA", "EDBB", "EDCC"}) {
            ArptRow row = t.airport(icao, QStringLiteral("Alt ") + icao);
            row.LastKat = "Kontakt";
            t.add(row);
            const platform::Result<> writes[] = {
                t.store->edits.insertRunway({0, icao, "01 / 19", "01", "19", "010 / 190", "", 800, 20, 1, "2020-01-01", "10:00:00"}),
                t.store->edits.insertFrequency({0, icao, "ALT", "120.000", "2020-01-01", "10:00:00"}),
                t.store->edits.insertApproach({0, icao, "19", "110.000", "IAL", "", "", "", "2020-01-01", "10:00:00"}),
                t.store->notes.insert({0, icao, "Kontakt", "{\\rtf1 Meine}", "Meine", "2025-01-01", "10:00:00"}),
                t.db.prepare("INSERT INTO MAPDATA (ICAO, Number, Name) VALUES (?, 0, 'Platzrunde')").bind(1, icao).run(),
            };
            for (const platform::Result<> &written : writes) EXPECT_EQ(written.error(), "");
        }
        EXPECT_EQ(t.store->edits.setVersion({"07.08.2026", "0.1.0"}).error(), "");
    }

    QString path(const QString &name) const { return t.folder() + "/" + name; }

    platform::Result<ImportOutcome> run(const QString &file, const QString &version = "01.09.2026") {
        progress.clear();
        return importUpdate(*t.store, {file, t.folder(), version}, [this](int p) { progress.push_back(p); });
    }

    std::vector<HistoryEntry> history() {
        const auto entries = readUpdateHistory(path(kUpdateHistoryFile));
        EXPECT_EQ(entries.error(), "");
        return entries ? *entries : std::vector<HistoryEntry>{};
    }

    QStringList names(const std::vector<AcomRow> &rows) {
        QStringList names;
        for (const AcomRow &row : rows) names << row.Name;
        return names;
    }

    test::TempDatabase t;
    std::vector<int> progress;
};

// A maker's file that declares the frequency date as text, holding no date.
QString handMade(const QString &path) {
    rf::Writer writer(path, {{"ICAO", rf::FieldType::Text, 10, true},
                             {"dataType", rf::FieldType::Text, 10, true},
                             {"cDate", rf::FieldType::Text, 20, true}});
    EXPECT_EQ(writer.open().error(), "");
    writer.write({QString("EDAA"), QString("ARPT"), {}});
    writer.write({QString("EDAA"), QString("COM"), QString("gestern")});
    EXPECT_EQ(writer.commit().error(), "");
    return path;
}

// What the import refuses, cuts, skips and counts, and how it dates the data.
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

TEST_F(Import, ReplacesTheFilesAirportsWithTheirRowsAndKeepsNotesMapsAndTheLastCategory) {
    const QString file = UpdateFile()
                             .airport("EDAA", "Neu A").frequency("EDAA", "TOWER").frequency("EDAA", "ATIS")
                             .runway("EDAA", "09 / 27").approach("EDAA")
                             .airport("EDBB", "Neu B").runway("EDBB", "09 / 27").runway("EDBB", "03 / 21")
                             .frequency("EDBB", "INFO").approach("EDBB")
                             .save(path("aptdata.vmd"));
    const auto result = run(file);
    ASSERT_EQ(result.error(), "");
    EXPECT_EQ(result->warning, "");
    EXPECT_EQ(progress, (std::vector<int>{0, 25, 50, 75, 100}));
    EXPECT_EQ(result->counts.airportsReplaced, 2);
    EXPECT_EQ(result->counts.runways, 3);

    EXPECT_EQ(t.store->reads.airportByIcao("EDAA").value()->Name, "Neu A");
    EXPECT_EQ(t.store->reads.airportByIcao("EDAA").value()->LastKat, "Kontakt");
    EXPECT_EQ(names(t.store->reads.frequencies("EDAA").value()), (QStringList{"ATIS", "TOWER"}));
    EXPECT_EQ(t.store->reads.runways("EDBB").value().size(), 2u);
    EXPECT_EQ(t.store->reads.approaches("EDBB").value()[0].ILS_IDENT, "IXX");
    for (const char *icao : {"EDAA", "EDBB"}) {
        EXPECT_EQ(t.store->notes.ofAirport(icao).value().size(), 1u);
        EXPECT_EQ(test::dumpTable(t.db, "MAPDATA").filter(icao).size(), 1);
    }
    EXPECT_EQ(t.store->reads.airportByIcao("EDCC").value()->Name, "Alt EDCC");  // not in the file
    EXPECT_EQ(names(t.store->reads.frequencies("EDCC").value()), QStringList{"ALT"});

    const std::vector<HistoryEntry> h = history();
    ASSERT_EQ(h.size(), 2u);
    EXPECT_EQ(h[1].Name, "Neu B");
    EXPECT_EQ(h[1].Date->date, QDate(2026, 9, 1));
    EXPECT_EQ(t.store->lists.version().value()->DatabaseVersion, "01.09.2026");
}

TEST_F(Import, NotesAreAddedOnlyWhereTheUserHasNoneOfThatCategory) {
    // Categories match without regard to case, umlauts included.
    ASSERT_EQ(t.store->notes.insert({0, "EDAA", "Gebühren", "{\\rtf1 Meine}", "Meine", "2025-01-01", "10:00:00"}).error(), "");
    const QString file = UpdateFile()
                             .airport("EDAA", "Neu A").note("EDAA", "KONTAKT", "vom Hersteller")
                             .note("EDAA", "GEBÜHREN", "teuer").note("EDAA", "Tanken", "AVGAS")
                             .airport("EDNN", "Neu N").note("EDNN", "Kontakt", "eins").note("EDNN", "Kontakt", "zwei")
                             .save(path("aptdata.vmd"));
    const auto result = run(file);
    ASSERT_EQ(result.error(), "");
    EXPECT_EQ(result->counts.notesAdded, 3);
    EXPECT_EQ(result->counts.notesSkipped, 2);
    QStringList edaa;
    for (const MyInfoRow &n : t.store->notes.ofAirport("EDAA").value()) edaa << n.Category + ": " + n.PrintInfo;
    EXPECT_EQ(edaa, (QStringList{"Kontakt: Meine", "Gebühren: Meine", "Tanken: AVGAS"}));
    EXPECT_EQ(t.store->notes.ofAirport("EDNN").value().size(), 2u);  // both notes of a new airport arrive
}

TEST_F(Import, RowsWithoutTheirAirportAreAppendedAndMissingKindsAreSkipped) {
    // Frequencies for EDCC, whose airport record is not in the file, and no runways at all.
    const QString file = UpdateFile()
                             .airport("EDAA", "Neu A").frequency("EDCC", "NEU")
                             .note("EDCC", "Tanken", "Jet A1")
                             .save(path("aptdata.vmd"));
    ASSERT_EQ(run(file).error(), "");
    EXPECT_EQ(names(t.store->reads.frequencies("EDCC").value()), (QStringList{"ALT", "NEU"}));
    EXPECT_TRUE(t.store->reads.runways("EDAA").value().empty());
    EXPECT_EQ(t.store->notes.ofAirport("EDCC").value().size(), 2u);
}

TEST_F(Import, EveryFailureLeavesDatabaseAndHistoryAsTheyWere) {
    ASSERT_EQ(run(UpdateFile().airport("EDAA", "Vorher").save(path("first.crm"))).error(), "");
    const QStringList before = test::dumpAirportData(t.db);
    const QByteArray historyBefore = test::fileHash(path(kUpdateHistoryFile));

    rf::Row badElevation = ex::recordOf(t.airport("EDBB"));
    badElevation[std::size_t(ex::columnAt(u"aELEV"))] = QString("hoch");

    struct Case {
        const char *what;
        QString file;
        const char *message;
    } cases[] = {
        {"missing", path("fehlt.crm"), "nicht gefunden"},
        {"no airports", UpdateFile().frequency("EDAA", "X").save(path("ohne.crm")), "keine Flughäfen"},
        {"bad value", UpdateFile().airport("EDAA", "Neu").raw(badElevation).save(path("wert.crm")),
         "wert.crm“ ist keine gültige Datensatzdatei: Zeile 2: „hoch“ ist keine ganze Zahl (Spalte aELEV)."},
        {"date as text", handMade(path("datum.crm")), "Datenfehler bei COM (Datensatz 2): Spalte cDate: „gestern“ ist kein Datum."},
        {"twice", UpdateFile().airport("EDAA", "Neu").airport("edaa", "Neu").save(path("doppelt.crm")),
         "mehr als einmal"},
    };
    for (const Case &c : cases) {
        const auto result = run(c.file);
        EXPECT_TRUE(result.error().contains(QString::fromUtf8(c.message))) << c.what << ": " << result.error().toStdString();
        EXPECT_EQ(test::dumpAirportData(t.db), before) << c.what;
        EXPECT_EQ(test::fileHash(path(kUpdateHistoryFile)), historyBefore) << c.what;
    }

    // A database error half way, after the airports were removed: rolled back as a whole.
    ASSERT_EQ(t.db.exec("CREATE TEMP TRIGGER refuse BEFORE INSERT ON ILS BEGIN SELECT RAISE(ABORT, 'kaputt'); END").error(),
              "");
    const auto refused =
        run(UpdateFile().airport("EDAA", "Neu").frequency("EDAA", "T").approach("EDAA").save(path("db.crm")));
    EXPECT_TRUE(refused.error().startsWith("Datenfehler bei ILS (Datensatz 3): ")) << refused.error().toStdString();
    EXPECT_EQ(test::dumpAirportData(t.db), before);
    EXPECT_EQ(test::fileHash(path(kUpdateHistoryFile)), historyBefore);
}

TEST_F(Import, TheDatabaseIsCopiedBeforeTheImportChangesIt) {
    const QByteArray before = test::fileHash(t.path());
    ASSERT_EQ(run(UpdateFile().airport("EDAA", "Neu").save(path("aptdata.vmd"))).error(), "");
    EXPECT_EQ(test::fileHash(t.path() + ".bak"), before);
    EXPECT_NE(test::fileHash(t.path()), before);

    // Without a place for the copy, the import does not start.
    QFile::remove(t.path() + ".bak");
    QDir().mkpath(t.path() + ".bak/voll");
    const QStringList unchanged = test::dumpAirportData(t.db);
    EXPECT_TRUE(run(UpdateFile().airport("EDBB", "Neu").save(path("b.crm"))).error().contains("Sicherungskopie"));
    EXPECT_EQ(test::dumpAirportData(t.db), unchanged);
    QDir(t.path() + ".bak").removeRecursively();

    // A broken history stops the import before anything changes.
    test::writeFile(path(kUpdateHistoryFile), "<xml kaputt");
    EXPECT_TRUE(run(UpdateFile().airport("EDBB", "Neu").save(path("b.crm"))).error().contains(kUpdateHistoryFile));
    EXPECT_EQ(test::dumpAirportData(t.db), unchanged);
}

TEST_F(Import, ACommitRefusedWhileAnotherProgramReadsLeavesNoTransactionBehind) {
    // Another running copy of the program that has shown an airport holds a read lock.
    store::Database other;
    ASSERT_TRUE(other.open(t.path(), Database::Mode::ReadOnly).ok());
    Statement &reading = other.prepare("SELECT ICAO FROM ARPT");
    ASSERT_TRUE(reading.next());
    sqlite3_busy_timeout(t.db.handle(), 20);

    const auto refused = run(UpdateFile().airport("EDAA", "Neu").save(path("aptdata.vmd")));
    EXPECT_FALSE(refused.error().isEmpty());
    EXPECT_NE(sqlite3_get_autocommit(t.db.handle()), 0);  // not stuck inside the import's transaction

    // Once the other program lets go, a write reaches the file. Its lookups of
    // single rows do not keep the file locked.
    reading.reset();
    AirportStore otherStore(other, t.clock);
    ASSERT_TRUE(otherStore.reads.airportByIcao("EDAA").value() && otherStore.lists.version().value() &&
                otherStore.reads.icaoForIata("XXX").value() == std::nullopt);
    ASSERT_EQ(t.store->notes.save("EDAA", "Tanken", "{\\rtf1 Jet}", "Jet").error(), "");
    store::Database again;
    ASSERT_TRUE(again.open(t.path(), Database::Mode::ReadOnly).ok());
    Statement &notes = again.prepare("SELECT count(*) FROM MyInfo WHERE ICAO = 'EDAA' AND Category = 'Tanken'");
    ASSERT_TRUE(notes.next());
    EXPECT_EQ(notes.integer(0), 1);
    EXPECT_EQ(t.store->reads.airportByIcao("EDAA").value()->Name, "Alt EDAA");
}


TEST_F(ImportChecks, BadCodesAndImpossibleValuesAreRefusedByRecordNumberAndChangeNothing) {
    const QStringList before = test::dumpAirportData(t.db);
    auto airportWith = [&](QStringView column, rf::Value value) {
        rf::Row row = recordOf(t.airport("EDQQ"));
        row[std::size_t(columnAt(column))] = std::move(value);
        return row;
    };
    rf::Row longRunway = recordOf<RwyRow>({0, "EDAA", "09 / 27", "09", "27", "", "", -4000, 30, 0, "", ""});
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
        {"latitude", UpdateFile().raw(airportWith(u"aWGS_DLAT", 95.5)), "Spalte aWGS_DLAT: „95.5“ ist nicht im erlaubten"},
        {"longitude", UpdateFile().raw(airportWith(u"aWGS_DLONG", -180.5)), "aWGS_DLONG"},
        {"elevation", UpdateFile().raw(airportWith(u"aELEV", qint64(std::numeric_limits<int>::min()))), "aELEV"},
        {"asphalt length", UpdateFile().raw(airportWith(u"aRwyALen", qint64(-1))), "aRwyALen"},
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
