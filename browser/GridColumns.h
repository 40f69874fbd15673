#pragma once

#include "browser/Twips.h"

#include <QStringView>

#include <array>

// Columns of the three detail grids of the airport window: header text (the
// leading blanks centre it by eye and are part of the text), the column of the
// row it shows, and the width the window gives it when it loads.
namespace volmira::browser {

struct GridColumn {
    QStringView header;
    QStringView column;
    Twips width;
};

inline constexpr std::array<GridColumn, 5> kRunwayColumns{{
    {u"      RWY", u"RWY", {1200}},
    {u" RWY HDG", u"RWYHDG", {1300}},
    {u"    Slope", u"SLOPE", {1200}},
    {u"    L\u00E4nge [ m ]", u"Length", {1740}},
    {u"    Breite [ m ]", u"Width", {1740}},
}};

inline constexpr std::array<GridColumn, 6> kApproachColumns{{
    {u"   RWY", u"RWY", {900}},
    {u" ILS-Freq", u"ILS_FREQ", {1000}},
    {u" ILS-Ident", u"ILS_IDENT", {1000}},
    {u"  ILS-GS", u"ILS_GS", {1000}},
    {u" OM-Freq", u"OM_FREQ", {1000}},
    {u" OM-Ident", u"OM_IDENT", {1000}},
}};

inline constexpr std::array<GridColumn, 2> kComColumns{{
    {u"      ATC NAME", u"Name", {2100}},
    {u"                   FREQUENZ", u"FREQ", {3600}},
}};

// The quick-find list of the search area: the names of the hits.
inline constexpr std::array<GridColumn, 1> kQuickfindColumns{{
    {u"          Flughafen", u"NAME", {3900}},
}};

}  // namespace volmira::browser
