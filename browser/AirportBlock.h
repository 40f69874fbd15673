#pragma once

#include "platform/Rgb.h"
#include "store/Length.h"
#include "store/Rows.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The airport block of the airport window: the texts of tData(0) to tData(6),
// the colour scheme that tells the two airfield categories apart, and the
// runway surface indicator.
namespace volmira::browser {

using platform::Rgb;

inline constexpr int kDataFieldCount = 7;

// Indexed like tData: 0 name, 1 coordinates, 2 magnetic variation, 3 elevation,
// 4 ICAO code, 5 category, 6 circuit altitude ("PR ...").
using DataTexts = std::array<QString, kDataFieldCount>;

// Shown when ELEV or MAG_VAR has no value.
inline constexpr QStringView kNoElevationText = u"ELEV: ---";
inline constexpr QStringView kNoVariationText = u"VAR ---";

[[nodiscard]] DataTexts airportTexts(const store::ArptRow &airport);
// "ELEV: 1311 ft / 400 m"
[[nodiscard]] QString elevationText(std::optional<store::Length> elevation);
// "VAR 2 E", "VAR 2 W"
[[nodiscard]] QString variationText(std::optional<double> degrees);

enum class ColourScheme { Vlp, Other };

struct SchemeColours {
    Rgb frame;            // Frame2 background and the base of every field
    Rgb keyFields;        // tData(1), tData(2), tData(4), tData(6)
    Rgb nameAndElevation; // tData(0), tData(3)
    Rgb type;             // tData(5)
    Rgb gridBackground;   // gridRwyData, gridApproach, gridCom
};

// VLP in any letter case gives the VLP scheme, anything else the other one.
[[nodiscard]] ColourScheme schemeForType(const QString &type);
// The empty window uses the VLP colours.
[[nodiscard]] const SchemeColours &schemeColours(ColourScheme scheme);

struct SurfaceIndicator {
    QString caption;  // lblRWYDesc
    Rgb lblRWY;
    Rgb lblRWYDesc;
};

// SURFACE 0 is asphalt; any other value, and none, is grass.
[[nodiscard]] SurfaceIndicator surfaceIndicator(std::optional<int> surface);

}  // namespace volmira::browser
