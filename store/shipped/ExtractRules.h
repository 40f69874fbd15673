#pragma once

#include "store/Rows.h"

#include <QString>

#include <optional>

// The rules that turn rows of the OurAirports extract (data/ourairports) into
// rows of our tables. Pure functions; the builder reads the files and writes.
namespace volmira::store::shipped::extract {

// A number as the extract writes it ("364", "-9.5"); empty for "" or text.
[[nodiscard]] std::optional<double> number(const QString &text);

// Whole metres from feet; empty when the value is not a number or too large.
[[nodiscard]] std::optional<int> metresFromFeet(double feet);

// True for paved runways (asphalt, concrete, bitumen, macadam, PEM, ...), which
// are stored as SURFACE 0; everything else (grass, gravel, unknown) is 1.
[[nodiscard]] bool isHardSurface(const QString &surface);

// The designator of a runway end when it is a runway number 01..36 with an
// optional L, R or C, written as the runway dialog accepts it ("6" gives "06",
// "09l" gives "09L"); empty for helipads, water lanes and true-heading idents.
[[nodiscard]] std::optional<QString> usableDesignator(const QString &ident);

// True for an elevation the import and the airport dialog accept (-2000 to 30000 ft).
[[nodiscard]] bool isPossibleElevation(double feet);

// A heading in degrees brought into 0..360 and rounded; 359.6 gives 360.
[[nodiscard]] int wholeHeading(double degrees);

// The airport columns of one airports.csv row.
struct AirportSource {
    QString type;              // large_airport, medium_airport, small_airport
    QString scheduledService;  // yes / no
};

// "VLP" for large and medium airports and those with scheduled service, else "SLP".
[[nodiscard]] QString airportType(const AirportSource &source);

// One runways.csv row.
struct RunwaySource {
    QString lengthFt;
    QString widthFt;
    QString surface;
    QString leIdent;
    QString leHeadingTrue;
    QString heIdent;
    QString heHeadingTrue;
};

// True for the ident of a helicopter landing place ("H", "H1", "H-NORTH",
// "HELIPAD", "PAD 2"): no runway number begins with a letter.
[[nodiscard]] bool isHelipadIdent(const QString &ident);

// OutOfRange: a negative or impossibly large length or width, which the import would refuse.
// Helipad: neither end has a runway number and an end names a helipad or pad;
// such a place is no runway, whatever heading the data gives it.
enum class RunwaySkip { None, Helipad, Length, Designator, OutOfRange };

struct RunwayConversion {
    RwyRow row;  // valid when skip is None; ICAO, Date and Time are left to the caller
    RunwaySkip skip = RunwaySkip::None;
};

// Designators from the low end, else the high end, else the magnetic heading;
// magnetic headings = true heading minus the declination (east positive), or
// the low designator times ten when the data has no heading or the declination
// is unknown.
[[nodiscard]] RunwayConversion convertRunway(const RunwaySource &source, std::optional<double> declination);

// NoValue: no number of MHz. OutOfRange: 0 MHz or less, or 1000 MHz and more,
// which no airband radio tunes (the extract holds typing slips such as 1123.5);
// the bands between (HF, military 30-88 and 138-144 MHz, UHF) are kept.
enum class FrequencySkip { None, NoValue, OutOfRange };

struct FrequencyConversion {
    AcomRow row;  // valid when skip is None; ICAO, Date and Time are left to the caller
    FrequencySkip skip = FrequencySkip::None;
};

// A frequency row: Name = description, else type, upper case; FREQ = MHz with
// three decimals.
[[nodiscard]] FrequencyConversion convertFrequency(const QString &type, const QString &description,
                                                   const QString &megahertz);

}  // namespace volmira::store::shipped::extract
