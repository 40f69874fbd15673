#pragma once

#include <QString>

#include <vector>

// Stand-in for the report rows until their own header lands: the same two
// structs, so that the layout needs no change when it replaces this file.
namespace volmira::manager {

struct ReportRunway {
    QString RWY;
    QString Length;
    QString Width;
    QString Type;
    QString ILS;
    QString OM;
    QString Kontakt;
};

struct ReportAirport {
    int Index = 0;
    QString ICAO;
    QString Name;
    QString aType;
    QString ELEV;
    QString PR;
    QString Coord;
    QString Var;
    QString Frequenzen;
    std::vector<ReportRunway> cmdGroup;
};

}  // namespace volmira::manager
