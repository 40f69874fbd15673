#include "browser/AirportBlock.h"

#include <cmath>

namespace volmira::browser {

namespace {

// The nearest whole number, a half to the even neighbour: a stored 2.5 shows as 2.
double roundHalfEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction < 0.5) return lower;
    if (fraction > 0.5) return lower + 1;
    return std::fmod(lower, 2) == 0 ? lower : lower + 1;
}

// A whole number without sign for zero ("-0" would show otherwise).
QString wholeNumber(double value) { return QString::number(value + 0.0, 'f', 0); }

using platform::kOtherOrange;
using platform::kVlpYellow;

constexpr SchemeColours kVlpColours{kVlpYellow, kVlpYellow, {0xFF, 0xFF, 0xC0}, {0x80, 0xFF, 0x80}, kVlpYellow};
constexpr SchemeColours kOtherColours{kOtherOrange, kOtherOrange, {0xFF, 0xE0, 0xC0}, {0x80, 0xFF, 0x80}, {0xFF, 0xE0, 0xC0}};

}  // namespace

QString elevationText(std::optional<store::Length> elevation) {
    if (!elevation) return kNoElevationText.toString();
    const double wholeFeet = roundHalfEven(elevation->inFeet());
    // Metres of the feet shown, a half away from zero; a field at sea level shows "0 m".
    const double wholeMetres = std::round(store::Length::feet(wholeFeet).inMetres());
    return QStringLiteral("ELEV: ") + wholeNumber(wholeFeet) + QStringLiteral(" ft / ") + wholeNumber(wholeMetres) +
           QStringLiteral(" m");
}

QString variationText(std::optional<double> degrees) {
    if (!degrees) return kNoVariationText.toString();
    const double whole = roundHalfEven(*degrees);
    if (whole >= 0) return QStringLiteral("VAR ") + wholeNumber(whole) + QStringLiteral(" E");
    return QStringLiteral("VAR ") + wholeNumber(-whole) + QStringLiteral(" W");
}

DataTexts airportTexts(const store::ArptRow &airport) {
    DataTexts texts;
    texts[0] = airport.Name;
    texts[1] = airport.COORDINATES;
    texts[2] = variationText(airport.MAG_VAR);
    texts[3] = elevationText(airport.ELEV ? std::optional(store::Length::feet(*airport.ELEV)) : std::nullopt);
    texts[4] = airport.ICAO;
    texts[5] = airport.Type;
    if (!airport.PR.isEmpty()) texts[6] = QStringLiteral("PR ") + airport.PR;
    return texts;
}

ColourScheme schemeForType(const QString &type) {
    return store::isVlpType(type) ? ColourScheme::Vlp : ColourScheme::Other;
}

const SchemeColours &schemeColours(ColourScheme scheme) {
    return scheme == ColourScheme::Vlp ? kVlpColours : kOtherColours;
}

SurfaceIndicator surfaceIndicator(std::optional<int> surface) {
    if (surface == 0) return {QStringLiteral("Asphalt"), {0x80, 0x80, 0x80}, {0xE0, 0xE0, 0xE0}};
    return {QStringLiteral("Gras"), {0x00, 0xC0, 0x00}, {0xC0, 0xFF, 0xC0}};
}

}  // namespace volmira::browser
