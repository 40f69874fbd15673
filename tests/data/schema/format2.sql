-- The data file's layout in format 2, as the program of that format created it.
CREATE TABLE ARPT (
  ICAO TEXT NOT NULL COLLATE NOCASE, -- four-letter code, key of every per-airport table
  Name TEXT COLLATE NOCASE, -- airport name
  NameKey TEXT, -- Name case-folded (Unicode) for the name quick-find
  COORDINATES TEXT, -- "ddmm.m N / dddmm.m E" as typed
  WGS_DLAT REAL, -- latitude, decimal degrees, unsigned as the dialog writes it
  WGS_DLONG REAL, -- longitude, decimal degrees, unsigned
  ELEV NUMERIC, -- field elevation, feet
  PR TEXT, -- traffic circuit text
  MAG_VAR NUMERIC, -- magnetic variation, degrees, east positive
  RwyALen INTEGER, -- longest asphalt runway, metres (0: none)
  RwyGLen INTEGER, -- longest grass runway, metres (0: none)
  Type TEXT, -- "VLP" or "SLP"
  Date TEXT, -- last change of this row, YYYY-MM-DD
  Time TEXT, -- its time of day, HH:MM:SS
  LastDate TEXT, -- newest change over all rows of the airport, YYYY-MM-DD
  LastKat TEXT -- note category selected when the note panel was last closed
);
CREATE TABLE RWY (
  id INTEGER PRIMARY KEY,
  ICAO TEXT COLLATE NOCASE,
  RWY TEXT, -- designator pair, low end first: "09L / 27R"
  RwyLow TEXT, -- low designator
  RwyHigh TEXT, -- high designator
  RWYHDG TEXT, -- magnetic headings, three digits each: "094 / 274"
  SLOPE TEXT, -- free text, "-0.3 / 1.0"
  Length INTEGER, -- metres
  Width INTEGER, -- metres
  SURFACE INTEGER, -- 0 asphalt, anything else grass
  Date TEXT,
  Time TEXT
);
CREATE TABLE ACOM (
  id INTEGER PRIMARY KEY,
  ICAO TEXT COLLATE NOCASE,
  Name TEXT, -- station name, TOWER, ATIS, ...
  FREQ TEXT, -- frequency as typed
  Date TEXT,
  Time TEXT
);
CREATE TABLE ILS (
  id INTEGER PRIMARY KEY,
  ICAO TEXT COLLATE NOCASE,
  RWY TEXT, -- runway end served
  ILS_FREQ TEXT, -- localizer frequency
  ILS_IDENT TEXT, -- localizer identifier
  ILS_GS TEXT, -- glide slope
  OM_FREQ TEXT, -- outer marker frequency
  OM_IDENT TEXT, -- outer marker identifier
  Date TEXT,
  Time TEXT
);
CREATE TABLE MyInfo (
  id INTEGER PRIMARY KEY,
  ICAO TEXT COLLATE NOCASE,
  Category TEXT COLLATE NOCASE, -- name of a MyCategory row
  MyInfo TEXT, -- the note as rich text
  PrintInfo TEXT, -- the note as plain text, tabs as ten blanks
  Date TEXT,
  Time TEXT
);
CREATE TABLE MAPDATA (
  id INTEGER PRIMARY KEY,
  ICAO TEXT COLLATE NOCASE,
  Number INTEGER, -- slot 0..9, one per map button
  Name TEXT, -- button caption
  Location TEXT, -- folder of the file
  File TEXT, -- file name
  Active INTEGER, -- 1 for the map shown last
  W1 REAL, -- display width when the view was saved
  H1 REAL, -- display height when the view was saved
  SX REAL, -- saved source rectangle; SW = SH = 0: none
  SY REAL,
  SW REAL,
  SH REAL,
  SlideMap INTEGER -- zoom slider, -100..100
);
CREATE TABLE AirportCode (
  IATA TEXT COLLATE NOCASE, -- three-letter IATA code
  ICAO TEXT COLLATE NOCASE
);
CREATE TABLE ICAOCODE (
  ICAO TEXT COLLATE NOCASE, -- two-letter country prefix
  Name TEXT -- country name, German
);
CREATE TABLE Version (
  DatabaseVersion TEXT, -- date of the installed airport data, dd.mm.yyyy
  ProgramVersion TEXT -- version of the program that ran last
);
CREATE TABLE RwyRoute (
  "Index" INTEGER, -- running number of the airport in the list, from 1
  ICAO TEXT,
  Name TEXT,
  aType TEXT, -- VLP or SLP
  ELEV TEXT, -- "ELEV: " + feet + " ft"
  PR TEXT,
  Coord TEXT,
  Var TEXT, -- magnetic variation as printed, "2,5 W"
  Frequenzen TEXT, -- frequency summary, at most 255 characters
  RWY TEXT,
  ILS TEXT, -- low end \ high end
  OM TEXT, -- low end \ high end
  Length TEXT, -- metres + " m"
  Width TEXT, -- metres + " m"
  Type TEXT, -- Asphalt or Gras
  Kontakt TEXT -- contact note, on the airport's last line
);
CREATE UNIQUE INDEX ARPT_ICAO ON ARPT(ICAO);
CREATE INDEX ARPT_LastDate ON ARPT(LastDate);
CREATE INDEX ARPT_NameKey ON ARPT(NameKey);
CREATE INDEX RWY_ICAO ON RWY(ICAO);
CREATE INDEX ACOM_ICAO ON ACOM(ICAO);
CREATE INDEX ILS_ICAO ON ILS(ICAO);
CREATE INDEX MyInfo_ICAO ON MyInfo(ICAO, Category);
CREATE INDEX MyInfo_Category ON MyInfo(Category);
CREATE INDEX MyInfo_Category_ICAO ON MyInfo(Category, ICAO);
CREATE INDEX MAPDATA_ICAO ON MAPDATA(ICAO, Number);
CREATE INDEX AirportCode_IATA ON AirportCode(IATA);
CREATE INDEX ICAOCODE_ICAO ON ICAOCODE(ICAO);
CREATE TABLE MyCategory (
  id       INTEGER PRIMARY KEY,
  Category TEXT COLLATE NOCASE
);
PRAGMA user_version = 2;
