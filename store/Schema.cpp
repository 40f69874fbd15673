#include "store/Schema.h"

#include "store/Database.h"

#include <QFileInfo>

namespace volmira::store {

namespace {

// Dates are text YYYY-MM-DD and times HH:MM:SS so that they sort. Every table
// of per-row data has an internal id so that a grid row can be written back.
constexpr const char *kSchema = R"SQL(
CREATE TABLE ARPT (
  ICAO        TEXT NOT NULL COLLATE NOCASE, -- four-letter code, key of every per-airport table
  Name        TEXT COLLATE NOCASE,          -- airport name
  NameKey     TEXT,                         -- Name case-folded (Unicode) for the name quick-find
  COORDINATES TEXT,                         -- "ddmm.m N / dddmm.m E" as typed
  WGS_DLAT    REAL,                         -- latitude, decimal degrees, unsigned as the dialog writes it
  WGS_DLONG   REAL,                         -- longitude, decimal degrees, unsigned
  ELEV        NUMERIC,                      -- field elevation, feet
  PR          TEXT,                         -- traffic circuit text
  MAG_VAR     NUMERIC,                      -- magnetic variation, degrees, east positive
  RwyALen     INTEGER,                      -- longest asphalt runway, metres (0: none)
  RwyGLen     INTEGER,                      -- longest grass runway, metres (0: none)
  Type        TEXT,                         -- "VLP" or "SLP"
  Date        TEXT,                         -- last change of this row, YYYY-MM-DD
  Time        TEXT,                         -- its time of day, HH:MM:SS
  LastDate    TEXT,                         -- newest change over all rows of the airport, YYYY-MM-DD
  LastKat     TEXT                          -- note category selected when the note panel was last closed
);
CREATE UNIQUE INDEX ARPT_ICAO ON ARPT(ICAO);
CREATE INDEX ARPT_LastDate ON ARPT(LastDate);
CREATE INDEX ARPT_NameKey ON ARPT(NameKey);

CREATE TABLE RWY (
  id      INTEGER PRIMARY KEY,
  ICAO    TEXT COLLATE NOCASE,
  RWY     TEXT,     -- designator pair, low end first: "09L / 27R"
  RwyLow  TEXT,     -- low designator
  RwyHigh TEXT,     -- high designator
  RWYHDG  TEXT,     -- magnetic headings, three digits each: "094 / 274"
  SLOPE   TEXT,     -- free text, "-0.3 / 1.0"
  Length  INTEGER,  -- metres
  Width   INTEGER,  -- metres
  SURFACE INTEGER,  -- 0 asphalt, anything else grass
  Date    TEXT,
  Time    TEXT
);
CREATE INDEX RWY_ICAO ON RWY(ICAO);

CREATE TABLE ACOM (
  id   INTEGER PRIMARY KEY,
  ICAO TEXT COLLATE NOCASE,
  Name TEXT,  -- station name, TOWER, ATIS, ...
  FREQ TEXT,  -- frequency as typed
  Date TEXT,
  Time TEXT
);
CREATE INDEX ACOM_ICAO ON ACOM(ICAO);

CREATE TABLE ILS (
  id        INTEGER PRIMARY KEY,
  ICAO      TEXT COLLATE NOCASE,
  RWY       TEXT,  -- runway end served
  ILS_FREQ  TEXT,  -- localizer frequency
  ILS_IDENT TEXT,  -- localizer identifier
  ILS_GS    TEXT,  -- glide slope
  OM_FREQ   TEXT,  -- outer marker frequency
  OM_IDENT  TEXT,  -- outer marker identifier
  Date      TEXT,
  Time      TEXT
);
CREATE INDEX ILS_ICAO ON ILS(ICAO);

CREATE TABLE MyInfo (
  id        INTEGER PRIMARY KEY,
  ICAO      TEXT COLLATE NOCASE,
  Category  TEXT COLLATE NOCASE,  -- name of a MyCategory row
  MyInfo    TEXT,                 -- the note as rich text
  PrintInfo TEXT,                 -- the note as plain text, tabs as ten blanks
  Date      TEXT,
  Time      TEXT
);
CREATE INDEX MyInfo_ICAO ON MyInfo(ICAO, Category);
CREATE INDEX MyInfo_Category ON MyInfo(Category);

CREATE TABLE MyCategory (
  id       INTEGER PRIMARY KEY,
  Category TEXT COLLATE NOCASE
);

CREATE TABLE MAPDATA (
  id       INTEGER PRIMARY KEY,
  ICAO     TEXT COLLATE NOCASE,
  Number   INTEGER,  -- slot 0..9, one per map button
  Name     TEXT,     -- button caption
  Location TEXT,     -- folder of the file
  File     TEXT,     -- file name
  Active   INTEGER,  -- 1 for the map shown last
  W1 REAL, H1 REAL,  -- display size when the view was saved
  SX REAL, SY REAL, SW REAL, SH REAL,  -- saved source rectangle; SW = SH = 0: none
  SlideMap INTEGER   -- zoom slider, -100..100
);
CREATE INDEX MAPDATA_ICAO ON MAPDATA(ICAO, Number);

CREATE TABLE AirportCode (
  IATA TEXT COLLATE NOCASE,  -- three-letter IATA code
  ICAO TEXT COLLATE NOCASE
);
CREATE INDEX AirportCode_IATA ON AirportCode(IATA);

CREATE TABLE ICAOCODE (
  ICAO TEXT COLLATE NOCASE,  -- two-letter country prefix
  Name TEXT                  -- country name, German
);
CREATE INDEX ICAOCODE_ICAO ON ICAOCODE(ICAO);

CREATE TABLE RwyRoute (
  "Index" INTEGER, ICAO TEXT, Name TEXT, aType TEXT, ELEV TEXT, PR TEXT, Coord TEXT, Var TEXT,
  Frequenzen TEXT, RWY TEXT, ILS TEXT, OM TEXT, Length TEXT, Width TEXT, Type TEXT, Kontakt TEXT
);

CREATE TABLE Version (
  DatabaseVersion TEXT,  -- date of the installed airport data, dd.mm.yyyy
  ProgramVersion  TEXT   -- version of the program that ran last
);

PRAGMA user_version = 1;
)SQL";

platform::Result<std::optional<int>> userVersion(Database &db) {
    return db.prepare("PRAGMA user_version").firstRow([](const Statement &row) { return row.integer(0); });
}

}  // namespace

QString createSchema(Database &db) {
    Transaction tx(db);
    if (const QString error = db.exec(kSchema); !error.isEmpty()) return error;
    return tx.commit();
}

QString checkSchema(Database &db) {
    const platform::Result<std::optional<int>> tables =
        db.prepare("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'ARPT'")
            .firstRow([](const Statement &row) { return row.integer(0); });
    if (!tables) return tables.error();
    const QString shown = QFileInfo(db.path()).absoluteFilePath();
    if (tables->value_or(0) == 0)
        return QStringLiteral("Die Datei %1 ist keine Datenbank von Volmira APT: sie hat keine Flughafentabelle.").arg(shown);
    const platform::Result<std::optional<int>> stored = userVersion(db);
    if (!stored) return stored.error();
    const int version = stored->value_or(-1);
    if (version > kSchemaVersion)
        return QStringLiteral("Die Datendatei %1 stammt von einer neueren Programmversion.").arg(shown);
    // Version 1 is the first format: a file below it was not written by this program.
    if (version < kSchemaVersion)
        return QStringLiteral("Die Datei %1 ist keine Datenbank von Volmira APT: ihr Format ist unbekannt.").arg(shown);
    return {};
}

}  // namespace volmira::store
