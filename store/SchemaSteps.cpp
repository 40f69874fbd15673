#include "store/SchemaSteps.h"

#include "platform/AtomicFile.h"
#include "platform/TestPause.h"
#include "store/Database.h"
#include "store/NoteIndex.h"
#include "store/PlaceIndex.h"
#include "store/Schema.h"
#include "store/SearchNames.h"
#include "store/Tables.h"

#include <QFileInfo>

#include <algorithm>
#include <iterator>
#include <string>

namespace volmira::store {

namespace {

platform::Result<> fillPlaceIndex(Database &db) { return db.exec(kPlaceIndexFill); }

// Makes a table anew as `create` declares it, rather than altering it, so that
// an upgraded file holds the very layout a new one does. The `kept` columns
// are copied (with the row ids, which other tables refer to), the indexes and
// triggers made again as they were stored, the new columns left to `then`.
platform::Result<> remakeTable(Database &db, const std::string &table, const std::string &create,
                               const std::string &kept, const std::string &then) {
    Statement &stored = db.prepare(
        "SELECT sql FROM sqlite_master WHERE tbl_name = ?1 AND type IN ('index', 'trigger') AND sql IS NOT NULL");
    stored.bind(1, QString::fromStdString(table));
    const platform::Result<std::vector<QString>> again = stored.allRows([](const Statement &r) { return r.text(0); });
    if (!again) return platform::Failure{again.error()};
    std::string sql = "ALTER TABLE " + table + " RENAME TO " + table + "_former;\n" + create + "INSERT INTO " +
                      table + " (rowid, " + kept + ") SELECT rowid, " + kept + " FROM " + table + "_former;\n" +
                      "DROP TABLE " + table + "_former;\n";
    for (const QString &statement : *again) sql += statement.toStdString() + ";\n";
    return db.exec((sql + then).c_str());
}

// The map links gain their rotation, PDF page and zoom, and validity date.
platform::Result<> remakeMapData(Database &db) {
    return remakeTable(db, "MAPDATA", mapDataTable().create(),
                       "id, ICAO, Number, Name, Location, File, Active, W1, H1, SX, SY, SW, SH, SlideMap", "");
}

// The airports gain their names' German sort key, and the index of the name
// search carries it with the name and the code, so that the quick find reads
// its first screenful in order from the index alone.
platform::Result<> remakeAirports(Database &db) {
    return remakeTable(db, "ARPT", arptTable().create(),
                       "ICAO, Name, NameKey, COORDINATES, WGS_DLAT, WGS_DLONG, ELEV, PR, MAG_VAR, RwyALen, RwyGLen, "
                       "Type, Date, Time, LastDate, LastKat",
                       "UPDATE ARPT SET SortKey = german_key(Name);\n"
                       "DROP INDEX ARPT_NameKey;\n"
                       "CREATE INDEX ARPT_NameOrder ON ARPT(NameKey, SortKey, Name, ICAO);\n");
}

// Format 1 is the layout the first program created: the eleven tables and
// their indexes. Every later format is one step further.
constexpr SchemaStep kSteps[] = {
    // The printed list reads a category's notes over a range of codes in code
    // order; with only the category's index the engine takes every note of the
    // category in the world and sorts them.
    {1, "Index der Notizen nach Kategorie und Flughafen",
     "CREATE INDEX MyInfo_Category_ICAO ON MyInfo(Category, ICAO);", true},
    // The search in the notes: the index of their plain text, filled from the
    // notes stored. A reader without it says that the search needs it.
    {2, "Suchindex der Notizen", kNoteIndexSchema, true, indexAllNotes},
    // The airports near a place are found in an R*Tree of their positions; on
    // a file only read the search does without it.
    {3, "Ortsindex der Flughäfen", kPlaceIndexSchema, true, fillPlaceIndex},
    // The quick find looks airports up by city, other names and the words of
    // their names. An older file came without cities and other names: only
    // the words of its names can be filled in. Read as it is, an older file
    // is searched by its names alone.
    {4, "Suchnamen der Flughäfen", kSearchNameSchema, true, fillNameWords},
    // Rotation, PDF page and zoom, and the validity date of each map link. A
    // reader of an older file sees every link unturned, on its first page,
    // fitted to the width and without a date.
    {5, "Drehung, PDF-Seite und Gültigkeit der Karten", "", true, remakeMapData,
     "CREATE TEMP VIEW MAPDATA AS SELECT *, 0 AS Rotation, 0 AS PdfPage, 0.0 AS PdfZoom, NULL AS ValidUntil "
     "FROM main.MAPDATA;"},
    // The quick find lists the names in German order a screenful at a time.
    // A reader of an older file computes the order as it reads.
    {6, "Sortierschlüssel der Flughafennamen", "", true, remakeAirports,
     "CREATE TEMP VIEW ARPT AS SELECT rowid AS rowid, *, german_key(Name) AS SortKey FROM main.ARPT;"},
};
static_assert(std::size(kSteps) == kSchemaVersion - 1 && kSteps[std::size(kSteps) - 1].from + 1 == kSchemaVersion,
              "one step for each format after the first");

void pauseForTest(const char *stage) { platform::pauseForTest("VOLMIRA_UPGRADE_PAUSE", "Umstellung", stage); }

int formatAfter(int version, std::span<const SchemaStep> steps) {
    return steps.empty() ? version : steps.back().from + 1;
}

// The steps a file of `version` still lacks.
std::span<const SchemaStep> pendingSteps(int version, std::span<const SchemaStep> steps) {
    const auto first = std::ranges::find_if(steps, [&](const SchemaStep &s) { return s.from >= version; });
    return steps.subspan(size_t(first - steps.begin()));
}

platform::Result<int> storedVersion(Database &db) {
    const platform::Result<std::optional<int>> read =
        db.prepare("PRAGMA user_version").firstRow([](const Statement &row) { return row.integer(0); });
    if (!read) return platform::Failure{read.error()};
    return read->value_or(0);
}

// The copy is taken while the file is held for reading, so that it is the very
// file another copy of the program may be upgrading at the same moment, before
// or after, never half. Nothing to do when that other copy has finished.
platform::Result<bool> backUp(Database &db, int target) {
    Transaction reading(db, Transaction::Kind::Read);
    const platform::Result<int> version = storedVersion(db);
    if (!version) return platform::Failure{version.error()};
    if (*version >= target) return false;
    const QString backup = db.path() + QStringLiteral(".format%1.bak").arg(*version);
    if (const platform::Result<> copied = platform::copyFileAtomically(db.path(), backup); !copied)
        return platform::Failure{QStringLiteral("Die Sicherungskopie %1 kann nicht angelegt werden; die Datendatei "
                                                "bleibt im alten Format. %2")
                                     .arg(QFileInfo(backup).fileName(), copied.error())};
    return true;
}

// Every step from the file's format in one transaction with the new format
// number: a kill leaves the old file or the new one.
platform::Result<> runSteps(Database &db, int target, std::span<const SchemaStep> steps,
                            const UpgradeProgress &progress) {
    Transaction tx(db);
    if (!tx.started()) return platform::Failure{tx.startError()};
    // Read again under the write lock: another copy may have upgraded meanwhile.
    const platform::Result<int> version = storedVersion(db);
    if (!version) return platform::Failure{version.error()};
    if (*version >= target) return {};
    pauseForTest("begun");
    const std::span<const SchemaStep> pending = pendingSteps(*version, steps);
    for (size_t done = 0; done < pending.size(); ++done) {
        const SchemaStep &step = pending[done];
        platform::Result<> ran = db.exec(step.sql);
        if (ran && step.fill) ran = step.fill(db);
        if (!ran)
            return platform::Failure{QStringLiteral("Die Datendatei %1 bleibt im alten Format: der Schritt „%2“ "
                                                    "ist gescheitert. %3")
                                         .arg(QFileInfo(db.path()).absoluteFilePath(),
                                              QString::fromUtf8(step.name), ran.error())};
        if (progress) progress(int(done + 1), int(pending.size()));
    }
    pauseForTest("stepped");
    const std::string setVersion = "PRAGMA user_version = " + std::to_string(target) + ";";
    if (platform::Result<> set = db.exec(setVersion.c_str()); !set) return set;
    pauseForTest("numbered");
    if (platform::Result<> committed = tx.commit(); !committed) return committed;
    pauseForTest("committed");
    return {};
}

}  // namespace

std::span<const SchemaStep> schemaSteps() { return kSteps; }

QString upgradingMessage() {
    return QStringLiteral("Die Datendatei wird auf Format %1 umgestellt …").arg(kSchemaVersion);
}

platform::Result<> upgradeSchema(Database &db, int version, bool writable, std::span<const SchemaStep> steps,
                                 const UpgradeProgress &progress) {
    const int target = formatAfter(version, steps);
    const std::span<const SchemaStep> pending = pendingSteps(version, steps);
    if (!writable) {
        if (std::ranges::all_of(pending, &SchemaStep::onlyAdds)) {
            for (const SchemaStep &step : pending)
                if (step.readAsIs)
                    if (platform::Result<> shaped = db.exec(step.readAsIs); !shaped) return shaped;
            return {};
        }
        return platform::Failure{
            QStringLiteral("Die Datendatei %1 hat ein älteres Format (Format %2, dieses Programm kennt %3). Sie muss "
                           "einmal mit Schreibrecht geöffnet werden, damit das Programm sie umstellt.")
                .arg(QFileInfo(db.path()).absoluteFilePath())
                .arg(version)
                .arg(target)};
    }
    if (progress) progress(0, int(pending.size()));
    const platform::Result<bool> backedUp = backUp(db, target);
    if (!backedUp) return platform::Failure{backedUp.error()};
    if (!*backedUp) return {};
    pauseForTest("backup");
    return runSteps(db, target, steps, progress);
}

}  // namespace volmira::store
