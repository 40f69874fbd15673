#pragma once

#include "manager/report/ReportGeometry.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <QStringList>

#include <map>

// Setting the list's texts in its boxes: one line set smaller or cut, or
// several lines wrapped. Sizes are in twips throughout, so that what is
// measured here is what the painter draws at any resolution.
namespace volmira::manager {

// The report's fonts: Arial (by fontconfig Liberation Sans), sized in twips as
// pixels and unhinted, so that widths scale with the size and the painter's
// scaling alone. Fonts and their metrics are made once per size.
class ReportFonts {
public:
    [[nodiscard]] const QFont &font(geometry::ReportFont face);
    [[nodiscard]] const QFontMetricsF &metrics(geometry::ReportFont face);

private:
    struct Entry {
        QFont font;
        QFontMetricsF metrics;
    };
    const Entry &entry(geometry::ReportFont face);
    std::map<std::pair<int, bool>, Entry> entries_;
};

[[nodiscard]] QFont reportFont(geometry::ReportFont face);

struct FittedLine {
    QString text;
    geometry::ReportFont font;
};

// A one-line field: control characters and line breaks become blanks; too
// wide, it is set smaller down to 6 pt, then cut with "…".
[[nodiscard]] FittedLine fitLine(const QString &text, int width, geometry::ReportFont font, ReportFonts &fonts);

// A line of which more was left out: cut so that "…" fits after it, and ending in "…".
[[nodiscard]] QString cutWithEllipsis(const QString &line, int width, const QFontMetricsF &metrics);

// The text up to its first line break.
[[nodiscard]] QString firstLine(const QString &text);

// A field that grows: its line breaks kept, each paragraph wrapped at word
// boundaries, a word wider than the box broken anywhere. An empty text has no
// line.
[[nodiscard]] QStringList wrapText(const QString &text, int width, const QFont &font);

}  // namespace volmira::manager
