#include "store/Schema.h"

#include "store/Database.h"
#include "store/NoteIndex.h"
#include "store/PlaceIndex.h"
#include "store/SearchNames.h"
#include "store/Tables.h"

#include <QFileInfo>

#include <string>

namespace volmira::store {

namespace {

// The tables without a row struct, and the indexes.
constexpr const char *kRest = R"SQL(
CREATE UNIQUE INDEX ARPT_ICAO ON ARPT(ICAO);
CREATE INDEX ARPT_LastDate ON ARPT(LastDate);
CREATE INDEX ARPT_NameOrder ON ARPT(NameKey, SortKey, Name, ICAO);
CREATE INDEX RWY_ICAO ON RWY(ICAO);
CREATE INDEX ACOM_ICAO ON ACOM(ICAO);
CREATE INDEX ILS_ICAO ON ILS(ICAO);
CREATE INDEX MyInfo_ICAO ON MyInfo(ICAO, Category);
CREATE INDEX MyInfo_Category ON MyInfo(Category);
CREATE INDEX MyInfo_Category_ICAO ON MyInfo(Category, ICAO);
CREATE INDEX AirportCode_IATA ON AirportCode(IATA);
CREATE INDEX ICAOCODE_ICAO ON ICAOCODE(ICAO);
CREATE INDEX MAPDATA_ICAO ON MAPDATA(ICAO, Number);

CREATE TABLE MyCategory (
  id       INTEGER PRIMARY KEY,
  Category TEXT COLLATE NOCASE
);
)SQL";

// The whole schema: the tables with a row struct as their descriptors declare them, then the rest.
std::string schema() {
    return arptTable().create() + rwyTable().create() + acomTable().create() + ilsTable().create() +
           myInfoTable().create() + mapDataTable().create() + airportCodeTable().create() +
           icaoCodeTable().create() + versionTable().create() + rwyRouteTable().create() + kRest + kNoteIndexSchema +
           kPlaceIndexSchema + kSearchNameSchema +
           "PRAGMA user_version = " + std::to_string(kSchemaVersion) + ";";
}

platform::Result<std::optional<int>> userVersion(Database &db) {
    return db.prepare("PRAGMA user_version").firstRow([](const Statement &row) { return row.integer(0); });
}

}  // namespace

platform::Result<> createSchema(Database &db) {
    Transaction tx(db);
    if (platform::Result<> created = db.exec(schema().c_str()); !created) return created;
    return tx.commit();
}

platform::Result<> checkSchema(Database &db, bool mayWrite, const UpgradeProgress &progress) {
    const platform::Result<std::optional<int>> tables =
        db.prepare("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'ARPT'")
            .firstRow([](const Statement &row) { return row.integer(0); });
    if (!tables) return platform::Failure{tables.error()};
    const QString shown = QFileInfo(db.path()).absoluteFilePath();
    if (tables->value_or(0) == 0)
        return platform::Failure{
            QStringLiteral("Die Datei %1 ist keine Datenbank von Volmira APT: sie hat keine Flughafentabelle.")
                .arg(shown)};
    const platform::Result<std::optional<int>> stored = userVersion(db);
    if (!stored) return platform::Failure{stored.error()};
    const int version = stored->value_or(-1);
    if (version == kSchemaVersion) return {};
    if (version > kSchemaVersion)
        return platform::Failure{
            QStringLiteral("Die Datendatei %1 stammt von einer neueren Programmversion (Format %2, dieses Programm "
                           "kennt %3).")
                .arg(shown)
                .arg(version)
                .arg(kSchemaVersion)};
    // Version 1 is the first format: a file below it was not written by this program.
    if (version < 1)
        return platform::Failure{
            QStringLiteral("Die Datei %1 ist keine Datenbank von Volmira APT: ihr Format ist unbekannt.").arg(shown)};
    return upgradeSchema(db, version, mayWrite && db.canWrite(), schemaSteps(), progress);
}

}  // namespace volmira::store
