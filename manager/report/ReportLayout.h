#pragma once

#include "manager/report/ReportGeometry.h"
#include "manager/ReportRows.h"

#include <QString>

#include <vector>

// The printed airport list laid out on pages before anything is painted: every
// control of every section as a named item at its place in twips from the
// page's top left corner, so that the page count is known first and tests
// read the layout without painting.
namespace volmira::manager {

struct TwipsRect {
    int x = 0, y = 0, width = 0, height = 0;
    [[nodiscard]] int right() const { return x + width; }
    [[nodiscard]] int bottom() const { return y + height; }
};

// One line of text as set: its left end and baseline in twips on the page.
struct ReportLine {
    QString text;
    double x = 0;
    double baseline = 0;
};

struct ReportItem {
    enum class Kind { Text, Line };
    Kind kind = Kind::Text;
    QString name;  // the control's name: "tICAO", "Label6", "Line3"
    // A line runs from the box's top left to its bottom right corner: one of
    // width and height is 0. A text's box is the control's, grown with its lines.
    TwipsRect box;
    geometry::ReportFont font;
    bool centred = false;
    std::vector<ReportLine> lines;
    int airport = -1;  // the airport's position in the list from 0; -1 in page header and footer
    int row = -1;      // the airport's runway line from 0; -1 outside the details

    // The lines joined by "\n".
    [[nodiscard]] QString text() const;
};

// The paper a page is set on, in twips, its orientation applied, and the
// margins the user gave it in the page set-up, inside which the list sets its
// own. The list's columns are as wide as its own page, A4 portrait: on a
// narrower area (A5, …), or one too low for an airport's block, the list is
// painted smaller, its margins and columns kept, so that nothing runs off the paper.
struct ReportPaper {
    int width = geometry::kPageWidth;
    int height = geometry::kPageHeight;
    int left = 0, top = 0, right = 0, bottom = 0;

    // Paper twips per twip of the list: 1 unless the area is too small.
    [[nodiscard]] double scale() const;
    // The paper's height in the list's twips: where the page footer goes.
    [[nodiscard]] int listHeight() const;
    friend bool operator==(const ReportPaper &, const ReportPaper &) = default;
};

struct ReportPage {
    std::vector<ReportItem> items;
    ReportPaper paper;
};

using ReportPages = std::vector<ReportPage>;

// "Kurze Kontaktinfos": the note's first line only; else all of it, wrapped.
enum class ContactText { Short, Long };

// An airport's block (group header and runway lines) stays on one page; one
// taller than a page is split between runway lines, never right after its
// header, and a runway line taller than a page goes on line by line.
[[nodiscard]] ReportPages layoutReport(const std::vector<ReportAirport> &airports, ContactText contacts,
                                     ReportPaper paper = {});

}  // namespace volmira::manager
