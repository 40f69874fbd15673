#pragma once

#include "editing/Entry.h"
#include "platform/Result.h"
#include "store/Rows.h"
#include "store/ValueRanges.h"

#include <QString>

#include <array>
#include <functional>

// The checks and computations of the airport dialog frmChangeAPT, for a change
// of the shown airport and for a new one.
namespace volmira::editing {

// EntryFailure::box of the airport dialog: tAPT(i) is box i, tCoord(j) box 5 + j.
enum AirportBox : int {
    kCodeBox = 0,       // tAPT(0) "ICAO"
    kVariationBox = 1,  // tAPT(1) "Var"
    kNameBox = 2,       // tAPT(2) "Flugplatz Name"
    kElevationBox = 3,  // tAPT(3) "Elev"
    kCircuitBox = 4,    // tAPT(4) "Platzrunde"
    kLatitudeBox = 5,   // tCoord(0) "Breitengrad"
    kLongitudeBox = 6,  // tCoord(1) "Längengrad"
};

// Bounds of the entry, those the import checks too: outside them the box's own
// message is shown.
inline constexpr double kLowestElevationFeet = store::kElevationFeetRange.lowest;
inline constexpr double kHighestElevationFeet = store::kElevationFeetRange.highest;
inline constexpr double kMaxVariation = store::kVariationRange.highest;

// What the dialog holds; the combo boxes as the texts they show.
struct AirportTexts {
    std::array<QString, 5> tAPT;    // ICAO, Var, Name, Elev, Platzrunde
    std::array<QString, 2> tCoord;  // latitude DDMM.m, longitude DDDMM.m
    QString cmbVar = QStringLiteral("E");   // "E" or "W"
    QString cmbftm = QStringLiteral("ft");  // "ft" or "m"
    QString cmbNS = QStringLiteral("N");    // "N" or "S"
    QString cmbEW = QStringLiteral("E");    // "E" or "W"
    bool chkVLP = true;
    bool chkSLP = false;
    bool newAirport = false;  // tAPT(0) enabled: a new airport's code is checked
};

// A checked airport, named like the ARPT columns it fills.
struct AirportEntry {
    QString ICAO;         // a new airport's code, upper case; empty for a change (ICAO is never rewritten)
    QString Name;         // as typed
    QString PR;           // as typed
    QString COORDINATES;  // "4907.1 N / 00946.5 E", a decimal comma written as a point
    double WGS_DLAT = 0;  // unsigned decimal degrees (store::degreesFromText)
    double WGS_DLONG = 0;
    double ELEV = 0;      // whole feet: as typed, rounded, or the whole part of the metres in feet
    double MAG_VAR = 0;   // whole degrees, east positive: west is the typed number rounded and negated
    QString Type;         // "VLP" when chkVLP, else "SLP"
};

// Whether an airport with this code is stored already (any letter case).
using DuplicateQuery = std::function<platform::Result<bool>(const QString &icao)>;

// The nine checks in their order; the first failure is given, with "Volmira
// APT" as title where the message names none:
// 1. tAPT(4) 20 characters or more: "Fehler PR" (unless left as stored);
// 2. new airport only: a code of 5 characters or more, or one the code rule
//    refuses (store::checkedIcaoCode): "Fehler ICAO";
// 3. tAPT(3) not a number, or outside -2000..30000 ft after conversion: " Fehler ELEV";
// 4. tAPT(1) not a number, signed, or above 180: " Fehler VAR";
// 5., 6. a coordinate box not a number: " Fehler coord0", " Fehler coord1";
// 7., 8. a coordinate not DDMM.m / DDDMM.m (comma or point, blanks around
//    dropped, minutes below 60, at most 90° / 180°): the "Breitengrad" and
//    "Längengrad" messages, title "Datenfehler";
// 9. new airport only: duplicate says the code is stored: "Für den ICAO Code -
//    ... existiert schon ein Flughafen. Bitte Daten überprüfen", title
//    "Datenfehler"; a failed query gives its own message.
// openedWith holds what a change opened the dialog with (airportTexts), so
// that a stored circuit text too long for the box, left unchanged, does not
// block saving.
[[nodiscard]] Checked<AirportEntry> Checkinfo(const AirportTexts &texts, const DuplicateQuery &duplicate,
                                              const AirportTexts &openedWith = {});

// The dialog filled from the stored airport for a change: code box disabled,
// variation as magnitude with "E" (zero or more) or "W", elevation in feet,
// VLP or else SLP, COORDINATES split at its first "/" into the two texts and
// hemispheres (N or S, E or W; O for Ost is E; any letter case). No "/", a half
// shorter than two characters, or another hemisphere letter gives "Fehler in
// Koordinaten" (title "Volmira APT"): the dialog does not open. No value gives
// an empty box.
[[nodiscard]] Checked<AirportTexts> airportTexts(const store::ArptRow &row);

// The dialog prepared for a new airport: empty boxes, code box enabled, "ft",
// VLP, "N", "E", variation "E".
[[nodiscard]] AirportTexts newAirportTexts();

}  // namespace volmira::editing
