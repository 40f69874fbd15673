#include "store/Tables.h"

#include "store/TextKeys.h"

namespace volmira::store {

const Table<ArptRow> &arptTable() {
    static const Table<ArptRow> table(
        "ARPT", {column<&ArptRow::ICAO>("ICAO"),
                 column<&ArptRow::Name>("Name"),
                 {"NameKey", nullptr,
                  [](Statement &s, int c, const ArptRow &r) {
                      s.bind(c, r.Name.isNull() ? QString() : foldName(r.Name));
                  }},
                 column<&ArptRow::COORDINATES>("COORDINATES"),
                 column<&ArptRow::WGS_DLAT>("WGS_DLAT"),
                 column<&ArptRow::WGS_DLONG>("WGS_DLONG"),
                 column<&ArptRow::ELEV>("ELEV"),
                 column<&ArptRow::PR>("PR"),
                 column<&ArptRow::MAG_VAR>("MAG_VAR"),
                 column<&ArptRow::RwyALen>("RwyALen"),
                 column<&ArptRow::RwyGLen>("RwyGLen"),
                 column<&ArptRow::Type>("Type"),
                 column<&ArptRow::Date>("Date"),
                 column<&ArptRow::Time>("Time"),
                 column<&ArptRow::LastDate>("LastDate"),
                 column<&ArptRow::LastKat>("LastKat")});
    return table;
}

const Table<RwyRow> &rwyTable() {
    static const Table<RwyRow> table(
        "RWY", {column<&RwyRow::id>("id", Access::ReadOnly), column<&RwyRow::ICAO>("ICAO"),
                column<&RwyRow::RWY>("RWY"), column<&RwyRow::RwyLow>("RwyLow"), column<&RwyRow::RwyHigh>("RwyHigh"),
                column<&RwyRow::RWYHDG>("RWYHDG"), column<&RwyRow::SLOPE>("SLOPE"), column<&RwyRow::Length>("Length"),
                column<&RwyRow::Width>("Width"), column<&RwyRow::SURFACE>("SURFACE"), column<&RwyRow::Date>("Date"),
                column<&RwyRow::Time>("Time")});
    return table;
}

const Table<AcomRow> &acomTable() {
    static const Table<AcomRow> table(
        "ACOM", {column<&AcomRow::id>("id", Access::ReadOnly), column<&AcomRow::ICAO>("ICAO"),
                 column<&AcomRow::Name>("Name"), column<&AcomRow::FREQ>("FREQ"), column<&AcomRow::Date>("Date"),
                 column<&AcomRow::Time>("Time")});
    return table;
}

const Table<IlsRow> &ilsTable() {
    static const Table<IlsRow> table(
        "ILS", {column<&IlsRow::id>("id", Access::ReadOnly), column<&IlsRow::ICAO>("ICAO"),
                column<&IlsRow::RWY>("RWY"), column<&IlsRow::ILS_FREQ>("ILS_FREQ"),
                column<&IlsRow::ILS_IDENT>("ILS_IDENT"), column<&IlsRow::ILS_GS>("ILS_GS"),
                column<&IlsRow::OM_FREQ>("OM_FREQ"), column<&IlsRow::OM_IDENT>("OM_IDENT"),
                column<&IlsRow::Date>("Date"), column<&IlsRow::Time>("Time")});
    return table;
}

const Table<MyInfoRow> &myInfoTable() {
    static const Table<MyInfoRow> table(
        "MyInfo", {column<&MyInfoRow::id>("id", Access::ReadOnly), column<&MyInfoRow::ICAO>("ICAO"),
                   column<&MyInfoRow::Category>("Category"), column<&MyInfoRow::MyInfo>("MyInfo"),
                   column<&MyInfoRow::PrintInfo>("PrintInfo"), column<&MyInfoRow::Date>("Date"),
                   column<&MyInfoRow::Time>("Time")});
    return table;
}

const Table<AirportCodeRow> &airportCodeTable() {
    static const Table<AirportCodeRow> table(
        "AirportCode", {column<&AirportCodeRow::IATA>("IATA"), column<&AirportCodeRow::ICAO>("ICAO")});
    return table;
}

const Table<IcaoCodeRow> &icaoCodeTable() {
    static const Table<IcaoCodeRow> table("ICAOCODE",
                                          {column<&IcaoCodeRow::ICAO>("ICAO"), column<&IcaoCodeRow::Name>("Name")});
    return table;
}

const Table<VersionRow> &versionTable() {
    static const Table<VersionRow> table("Version", {column<&VersionRow::DatabaseVersion>("DatabaseVersion"),
                                                     column<&VersionRow::ProgramVersion>("ProgramVersion")});
    return table;
}

}  // namespace volmira::store
