#pragma once

#include <QString>

#include <optional>

// Typed rows of the tables, with the column names of the database. A column
// that may hold no value is an optional; texts shown as "" + value read null as "".
namespace volmira::store {

struct ArptRow {
    QString ICAO;
    QString Name;
    QString COORDINATES;
    std::optional<double> WGS_DLAT;
    std::optional<double> WGS_DLONG;
    std::optional<double> ELEV;     // feet
    QString PR;
    std::optional<double> MAG_VAR;  // degrees, east positive
    std::optional<int> RwyALen;     // metres
    std::optional<int> RwyGLen;     // metres
    QString Type;
    QString Date;  // YYYY-MM-DD
    QString Time;  // HH:MM:SS
    QString LastDate;
    QString LastKat;
};

// Whether a Type names a Verkehrslandeplatz: "VLP" in any letter case. Any
// other Type counts as the other category (the window's colours, the airport
// dialog's check boxes).
[[nodiscard]] inline bool isVlpType(const QString &type) {
    return type.compare(QLatin1String("VLP"), Qt::CaseInsensitive) == 0;
}

struct RwyRow {
    long long id = 0;
    QString ICAO;
    QString RWY;
    QString RwyLow;
    QString RwyHigh;
    QString RWYHDG;
    QString SLOPE;
    std::optional<int> Length;
    std::optional<int> Width;
    std::optional<int> SURFACE;  // 0 asphalt, anything else grass
    QString Date;
    QString Time;
};

struct AcomRow {
    long long id = 0;
    QString ICAO;
    QString Name;
    QString FREQ;
    QString Date;
    QString Time;
};

struct IlsRow {
    long long id = 0;
    QString ICAO;
    QString RWY;
    QString ILS_FREQ;
    QString ILS_IDENT;
    QString ILS_GS;
    QString OM_FREQ;
    QString OM_IDENT;
    QString Date;
    QString Time;
};

struct MyInfoRow {
    long long id = 0;
    QString ICAO;
    QString Category;
    QString MyInfo;
    QString PrintInfo;
    QString Date;
    QString Time;
};

struct MapDataRow {
    long long id = 0;
    QString ICAO;
    int Number = 0;
    QString Name;
    QString Location;
    QString File;
    bool Active = false;
    double W1 = 0, H1 = 0;
    // A picture's view, reckoned in the picture turned by Rotation; for a PDF
    // chart SX and SY hold the scroll position within its page (view pixels).
    double SX = 0, SY = 0, SW = 0, SH = 0;
    int SlideMap = 0;
    int Rotation = 0;     // quarter turns clockwise, 0 to 3
    int PdfPage = 0;      // page of a PDF shown last, from 0
    double PdfZoom = 0;   // zoom of a PDF; 0: fitted to the width
    QString ValidUntil;   // last day the chart is valid, yyyy-MM-dd; empty (or NULL): no date
};

struct AirportCodeRow {
    QString IATA;
    QString ICAO;
};

struct IcaoCodeRow {
    QString ICAO;  // two-letter prefix
    QString Name;
};

struct VersionRow {
    QString DatabaseVersion;
    QString ProgramVersion;
};

// One line of the printed airport list as its scratch table keeps it: the
// airport's group columns repeated on each of its runway lines.
struct RwyRouteRow {
    int Index = 0;  // running number of the airport in the list, from 1
    QString ICAO;
    QString Name;
    QString aType;
    QString ELEV;
    QString PR;
    QString Coord;
    QString Var;
    QString Frequenzen;
    QString RWY;
    QString ILS;
    QString OM;
    QString Length;
    QString Width;
    QString Type;
    QString Kontakt;

    friend bool operator==(const RwyRouteRow &, const RwyRouteRow &) = default;
};

// The newest stamp of one of an airport's tables, for the last-change line.
struct ChangeStamp {
    QString Name;  // "RWY Info", "COM Info", "Approach Info", "Flughafen Info", "Info Kategorie: ..."
    QString Date;
    QString Time;
};

// A category with whether the airport shown holds a note in it (list entry "*" + name).
struct CategoryMark {
    QString Category;
    bool marked = false;
};

// A category with the number of airports that hold a note in it.
struct CategoryCount {
    QString Category;
    int notes = 0;
};

// One row of the country list: prefix, German name, number of airports.
struct CountryRow {
    QString ICAO;
    QString Name;
    int Anzahl = 0;
};

// One hit of the name quick-find.
struct NameHit {
    QString NAME;
    QString ICAO;
};

}  // namespace volmira::store
