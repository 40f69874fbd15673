#include "store/Tables.h"

#include "store/TextKeys.h"

// Dates are text YYYY-MM-DD and times HH:MM:SS so that they sort. Every table
// of per-row data has an internal id so that a grid row can be written back.
namespace volmira::store {

namespace {

constexpr const char *kText = "TEXT";
constexpr const char *kCode = "TEXT COLLATE NOCASE";
constexpr const char *kInteger = "INTEGER";
constexpr const char *kRowId = "INTEGER PRIMARY KEY";

}  // namespace

const Table<ArptRow> &arptTable() {
    static const Table<ArptRow> table(
        "ARPT",
        {column<&ArptRow::ICAO>("ICAO", "TEXT NOT NULL COLLATE NOCASE",
                                "four-letter code, key of every per-airport table"),
         column<&ArptRow::Name>("Name", kCode, "airport name"),
         {"NameKey", kText, "Name case-folded (Unicode) for the name quick-find", nullptr,
          [](Statement &s, int c, const ArptRow &r) { s.bind(c, r.Name.isNull() ? QString() : foldName(r.Name)); }},
         {"SortKey", kText, "germanSortKey of Name: the quick find's order", nullptr,
          [](Statement &s, int c, const ArptRow &r) { s.bind(c, r.Name.isNull() ? QString() : germanSortKey(r.Name)); }},
         column<&ArptRow::COORDINATES>("COORDINATES", kText, "\"ddmm.m N / dddmm.m E\" as typed"),
         column<&ArptRow::WGS_DLAT>("WGS_DLAT", "REAL", "latitude, decimal degrees, unsigned as the dialog writes it"),
         column<&ArptRow::WGS_DLONG>("WGS_DLONG", "REAL", "longitude, decimal degrees, unsigned"),
         column<&ArptRow::ELEV>("ELEV", "NUMERIC", "field elevation, feet"),
         column<&ArptRow::PR>("PR", kText, "traffic circuit text"),
         column<&ArptRow::MAG_VAR>("MAG_VAR", "NUMERIC", "magnetic variation, degrees, east positive"),
         column<&ArptRow::RwyALen>("RwyALen", kInteger, "longest asphalt runway, metres (0: none)"),
         column<&ArptRow::RwyGLen>("RwyGLen", kInteger, "longest grass runway, metres (0: none)"),
         column<&ArptRow::Type>("Type", kText, "\"VLP\" or \"SLP\""),
         column<&ArptRow::Date>("Date", kText, "last change of this row, YYYY-MM-DD"),
         column<&ArptRow::Time>("Time", kText, "its time of day, HH:MM:SS"),
         column<&ArptRow::LastDate>("LastDate", kText, "newest change over all rows of the airport, YYYY-MM-DD"),
         column<&ArptRow::LastKat>("LastKat", kText, "note category selected when the note panel was last closed")});
    return table;
}

const Table<RwyRow> &rwyTable() {
    static const Table<RwyRow> table(
        "RWY", {column<&RwyRow::id>("id", kRowId, "", Access::ReadOnly),
                column<&RwyRow::ICAO>("ICAO", kCode),
                column<&RwyRow::RWY>("RWY", kText, "designator pair, low end first: \"09L / 27R\""),
                column<&RwyRow::RwyLow>("RwyLow", kText, "low designator"),
                column<&RwyRow::RwyHigh>("RwyHigh", kText, "high designator"),
                column<&RwyRow::RWYHDG>("RWYHDG", kText, "magnetic headings, three digits each: \"094 / 274\""),
                column<&RwyRow::SLOPE>("SLOPE", kText, "free text, \"-0.3 / 1.0\""),
                column<&RwyRow::Length>("Length", kInteger, "metres"),
                column<&RwyRow::Width>("Width", kInteger, "metres"),
                column<&RwyRow::SURFACE>("SURFACE", kInteger, "0 asphalt, anything else grass"),
                column<&RwyRow::Date>("Date", kText),
                column<&RwyRow::Time>("Time", kText)});
    return table;
}

const Table<AcomRow> &acomTable() {
    static const Table<AcomRow> table(
        "ACOM", {column<&AcomRow::id>("id", kRowId, "", Access::ReadOnly), column<&AcomRow::ICAO>("ICAO", kCode),
                 column<&AcomRow::Name>("Name", kText, "station name, TOWER, ATIS, ..."),
                 column<&AcomRow::FREQ>("FREQ", kText, "frequency as typed"), column<&AcomRow::Date>("Date", kText),
                 column<&AcomRow::Time>("Time", kText)});
    return table;
}

const Table<IlsRow> &ilsTable() {
    static const Table<IlsRow> table(
        "ILS", {column<&IlsRow::id>("id", kRowId, "", Access::ReadOnly),
                column<&IlsRow::ICAO>("ICAO", kCode),
                column<&IlsRow::RWY>("RWY", kText, "runway end served"),
                column<&IlsRow::ILS_FREQ>("ILS_FREQ", kText, "localizer frequency"),
                column<&IlsRow::ILS_IDENT>("ILS_IDENT", kText, "localizer identifier"),
                column<&IlsRow::ILS_GS>("ILS_GS", kText, "glide slope"),
                column<&IlsRow::OM_FREQ>("OM_FREQ", kText, "outer marker frequency"),
                column<&IlsRow::OM_IDENT>("OM_IDENT", kText, "outer marker identifier"),
                column<&IlsRow::Date>("Date", kText),
                column<&IlsRow::Time>("Time", kText)});
    return table;
}

const Table<MyInfoRow> &myInfoTable() {
    static const Table<MyInfoRow> table(
        "MyInfo", {column<&MyInfoRow::id>("id", kRowId, "", Access::ReadOnly),
                   column<&MyInfoRow::ICAO>("ICAO", kCode),
                   column<&MyInfoRow::Category>("Category", kCode, "name of a MyCategory row"),
                   column<&MyInfoRow::MyInfo>("MyInfo", kText, "the note as rich text"),
                   column<&MyInfoRow::PrintInfo>("PrintInfo", kText, "the note as plain text, tabs as ten blanks"),
                   column<&MyInfoRow::Date>("Date", kText),
                   column<&MyInfoRow::Time>("Time", kText)});
    return table;
}

const Table<MapDataRow> &mapDataTable() {
    static const Table<MapDataRow> table(
        "MAPDATA", {column<&MapDataRow::id>("id", kRowId, "", Access::ReadOnly),
                    column<&MapDataRow::ICAO>("ICAO", kCode),
                    column<&MapDataRow::Number>("Number", kInteger, "slot 0..9, one per map button"),
                    column<&MapDataRow::Name>("Name", kText, "button caption"),
                    column<&MapDataRow::Location>("Location", kText, "folder of the file"),
                    column<&MapDataRow::File>("File", kText, "file name"),
                    column<&MapDataRow::Active>("Active", kInteger, "1 for the map shown last"),
                    column<&MapDataRow::W1>("W1", "REAL", "display width when the view was saved"),
                    column<&MapDataRow::H1>("H1", "REAL", "display height when the view was saved"),
                    column<&MapDataRow::SX>("SX", "REAL", "saved source rectangle; SW = SH = 0: none"),
                    column<&MapDataRow::SY>("SY", "REAL"),
                    column<&MapDataRow::SW>("SW", "REAL"),
                    column<&MapDataRow::SH>("SH", "REAL"),
                    column<&MapDataRow::SlideMap>("SlideMap", kInteger, "zoom slider, -100..100"),
                    column<&MapDataRow::Rotation>("Rotation", "INTEGER DEFAULT 0", "quarter turns clockwise"),
                    column<&MapDataRow::PdfPage>("PdfPage", "INTEGER DEFAULT 0", "PDF page shown last, from 0"),
                    column<&MapDataRow::PdfZoom>("PdfZoom", "REAL DEFAULT 0", "PDF zoom; 0: fitted to the width"),
                    column<&MapDataRow::ValidUntil>("ValidUntil", kText, "last valid day, yyyy-MM-dd; empty: no date")});
    return table;
}

const Table<AirportCodeRow> &airportCodeTable() {
    static const Table<AirportCodeRow> table(
        "AirportCode", {column<&AirportCodeRow::IATA>("IATA", kCode, "three-letter IATA code"),
                        column<&AirportCodeRow::ICAO>("ICAO", kCode)});
    return table;
}

const Table<IcaoCodeRow> &icaoCodeTable() {
    static const Table<IcaoCodeRow> table(
        "ICAOCODE", {column<&IcaoCodeRow::ICAO>("ICAO", kCode, "two-letter country prefix"),
                     column<&IcaoCodeRow::Name>("Name", kText, "country name, German")});
    return table;
}

const Table<VersionRow> &versionTable() {
    static const Table<VersionRow> table(
        "Version",
        {column<&VersionRow::DatabaseVersion>("DatabaseVersion", kText,
                                              "date of the installed airport data, dd.mm.yyyy"),
         column<&VersionRow::ProgramVersion>("ProgramVersion", kText, "version of the program that ran last")});
    return table;
}

// The printed list's scratch table, emptied and refilled on every print.
const Table<RwyRouteRow> &rwyRouteTable() {
    static const Table<RwyRouteRow> table(
        "RwyRoute",
        {column<&RwyRouteRow::Index>("\"Index\"", kInteger, "running number of the airport in the list, from 1"),
         column<&RwyRouteRow::ICAO>("ICAO", kText), column<&RwyRouteRow::Name>("Name", kText),
         column<&RwyRouteRow::aType>("aType", kText, "VLP or SLP"),
         column<&RwyRouteRow::ELEV>("ELEV", kText, "\"ELEV: \" + feet + \" ft\""),
         column<&RwyRouteRow::PR>("PR", kText), column<&RwyRouteRow::Coord>("Coord", kText),
         column<&RwyRouteRow::Var>("Var", kText, "magnetic variation as printed, \"2,5 W\""),
         column<&RwyRouteRow::Frequenzen>("Frequenzen", kText, "frequency summary, at most 255 characters"),
         column<&RwyRouteRow::RWY>("RWY", kText), column<&RwyRouteRow::ILS>("ILS", kText, "low end \\ high end"),
         column<&RwyRouteRow::OM>("OM", kText, "low end \\ high end"),
         column<&RwyRouteRow::Length>("Length", kText, "metres + \" m\""),
         column<&RwyRouteRow::Width>("Width", kText, "metres + \" m\""),
         column<&RwyRouteRow::Type>("Type", kText, "Asphalt or Gras"),
         column<&RwyRouteRow::Kontakt>("Kontakt", kText, "contact note, on the airport's last line")});
    return table;
}

}  // namespace volmira::store
