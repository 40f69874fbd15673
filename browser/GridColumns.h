#pragma once

#include "platform/GridColumn.h"

#include <array>

// Columns of the grids of the airport window: header text and the width the
// window gives the column when it loads.
namespace volmira::browser {

using platform::GridColumn;

inline constexpr std::array<GridColumn, 5> kRunwayColumns{{
    {u"      RWY", {1200}},
    {u" RWY HDG", {1300}},
    {u"    Slope", {1200}},
    {u"    L\u00E4nge [ m ]", {1740}},
    {u"    Breite [ m ]", {1740}},
}};

inline constexpr std::array<GridColumn, 6> kApproachColumns{{
    {u"   RWY", {900}},
    {u" ILS-Freq", {1000}},
    {u" ILS-Ident", {1000}},
    {u"  ILS-GS", {1000}},
    {u" OM-Freq", {1000}},
    {u" OM-Ident", {1000}},
}};

// The window fits these two to the grid: the frequency to its values, the name
// to the rest, so that names are not cut. No leading blanks before the
// frequency's header, which is only as wide as the frequencies.
inline constexpr std::array<GridColumn, 2> kComColumns{{
    {u"      ATC NAME", {}},
    {u"FREQUENZ", {}},
}};

// The quick-find list of the search area: the hits with their city and
// country, and what the text was found in.
inline constexpr std::array<GridColumn, 5> kQuickfindColumns{{
    {u"ICAO", {720}},
    {u"          Flughafen", {3600}},
    {u"Ort", {2100}},
    {u"Land", {1500}},
    {u"Treffer", {1300}},
}};

}  // namespace volmira::browser
