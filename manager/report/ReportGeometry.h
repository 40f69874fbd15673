#pragma once

#include <QStringView>

#include <array>

// The sections and controls of the printed airport list, in twips (1/1440
// inch) from the section's left and top edges, and the page they sit on.
namespace volmira::manager::geometry {

// The list's own page, A4 portrait, 210 × 297 mm: its columns take that width.
inline constexpr int kPageWidth = 11906;
inline constexpr int kPageHeight = 16838;
inline constexpr int kMarginLeft = 360;
inline constexpr int kMarginTop = 720;
inline constexpr int kMarginBottom = 720;

// Section heights: page header, group header (once per airport), detail (once
// per runway), page footer; the group footer is empty and has no height.
inline constexpr int kPageHeaderHeight = 1005;
inline constexpr int kGroupHeaderHeight = 1279;
inline constexpr int kDetailHeight = 330;
inline constexpr int kPageFooterHeight = 285;

// The page footer stands on the bottom margin; the body lies between it and
// the page header.
inline constexpr int kBodyTop = kMarginTop + kPageHeaderHeight;
inline constexpr int pageFooterTop(int pageHeight) { return pageHeight - kMarginBottom - kPageFooterHeight; }
// The lowest page the list is set on: its body holds a group header and a runway line.
inline constexpr int kLowestPage = kBodyTop + kGroupHeaderHeight + kDetailHeight + kPageFooterHeight + kMarginBottom;

inline constexpr int kLineWidth = 15;
inline constexpr int kBoxHeight = 285;

// A font size in twips: a point is 20 twips.
inline constexpr int kPoint = 20;
inline constexpr int kSmallestSize = 6 * kPoint;
// A field too wide is set smaller in these steps.
inline constexpr int kShrinkStep = kPoint / 2;

struct ReportFont {
    int size = 8 * kPoint;
    bool bold = false;
    friend bool operator==(const ReportFont &, const ReportFont &) = default;
};

inline constexpr ReportFont kPlain{8 * kPoint, false};
inline constexpr ReportFont kBold{8 * kPoint, true};

// One control: where it sits in its section, its font, and either its fixed
// caption or (caption empty) the field it shows.
struct Control {
    QStringView name;
    int x, y, width, height;
    ReportFont font;
    QStringView caption;
    bool centred = false;
};

// Page header.
inline constexpr Control kLabel8{u"Label8", 1020, 0, 9071, 425, {14 * kPoint, true}, u"Volmira Flughafenliste", true};
inline constexpr Control kLabel9{u"Label9", 1020, 425, 9071, 283, kPlain, {}, true};

// Group header: the line at its top, the vertical line before the frequencies.
inline constexpr int kLine1Left = 142;
inline constexpr int kLine1Right = 11100;
inline constexpr int kLine3X = 6803;
inline constexpr int kLine3Top = 142;
inline constexpr int kLine3Bottom = 1134;

inline constexpr Control kICAO{u"tICAO", 113, 202, 1350, kBoxHeight, {10 * kPoint, true}, {}};
inline constexpr Control kName{u"tName", 1500, 202, 2580, kBoxHeight, kBold, {}};
inline constexpr Control kVar{u"tVar", 5216, 202, 570, kBoxHeight, kPlain, {}};
inline constexpr Control kAType{u"tAType", 6123, 202, 600, kBoxHeight, kPlain, {}};
inline constexpr Control kELEV{u"tELEV", 113, 482, 1020, kBoxHeight, kPlain, {}};
inline constexpr Control kCoord{u"tCoord", 1500, 482, 2265, kBoxHeight, kPlain, {}};
inline constexpr Control kFrequenzen{u"tFrequenzen", 6917, 502, 4080, kBoxHeight, kPlain, {}};
inline constexpr Control kPR{u"tPR", 5216, 567, 1470, kBoxHeight, kPlain, {}};

// The caption row under which the runway lines stand: frequencies wrapping
// below it push it, and everything under it, down.
inline constexpr int kCaptionRowTop = 985;

inline constexpr std::array kHeaderCaptions{
    Control{u"Label11", 4649, 202, 525, kBoxHeight, kBold, u"VAR"},
    Control{u"Label6", 6917, 202, 1245, kBoxHeight, kBold, u"Frequenzen"},
    Control{u"Label12", 4649, 567, 453, kBoxHeight, kBold, u"PR"},
    Control{u"Label1", 113, 985, 900, kBoxHeight, kBold, u"RWY"},
    Control{u"Label2", 1247, 985, 1140, kBoxHeight, kBold, u"Länge"},
    Control{u"Label3", 2494, 994, 780, kBoxHeight, kBold, u"Breite"},
    Control{u"Label7", 3288, 994, 900, kBoxHeight, kBold, u"Typ"},
    Control{u"Label4", 4195, 985, 1245, kBoxHeight, kBold, u"ILS Freq"},
    Control{u"Label5", 5556, 985, 1155, kBoxHeight, kBold, u"OM Freq"},
    Control{u"Label10", 6917, 993, 1245, kBoxHeight, kBold, u"Kontakt"},
};

// Detail.
inline constexpr Control kRWY{u"tRWY", 113, 0, 900, 270, kPlain, {}};
inline constexpr Control kLength{u"tLength", 1247, 0, 1134, kBoxHeight, kPlain, {}};
inline constexpr Control kWidth{u"tWidth", 2494, 0, 780, kBoxHeight, kPlain, {}};
inline constexpr Control kSurface{u"tSurface", 3288, 0, 894, kBoxHeight, kPlain, {}};
inline constexpr Control kILS{u"tILS", 4195, 0, 1245, kBoxHeight, kPlain, {}};
inline constexpr Control kOM{u"tOM", 5556, 0, 1134, kBoxHeight, kPlain, {}};
inline constexpr Control kKontakt{u"tKontakt", 6917, 0, 4080, kBoxHeight, kPlain, {}};

// Page footer.
inline constexpr Control kPage{u"lblPage", 567, 0, 9978, kBoxHeight, kPlain, {}, true};

}  // namespace volmira::manager::geometry
