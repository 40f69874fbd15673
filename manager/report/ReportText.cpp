#include "manager/report/ReportText.h"

#include <QRegularExpression>
#include <QTextLayout>

namespace volmira::manager {

using geometry::ReportFont;

namespace {

// Only so many characters of one line are measured: a line of a field holds
// far fewer, and a note or name of a megabyte must not be shaped whole.
constexpr qsizetype kMeasuredCharacters = 2000;
constexpr char16_t kEllipsis = u'\u2026';

bool isLineBreak(char16_t c) { return c == u'\n' || c == u'\r' || c == 0x2028 || c == 0x2029 || c == 0x85; }

// Control characters have no glyph, and U+009C would even split a measured text
// in Qt's eliding; they print as blanks.
QString printable(QStringView text) {
    QString out = text.toString();
    for (QChar &c : out)
        if (c.category() == QChar::Other_Control || isLineBreak(c.unicode())) c = u' ';
    return out;
}

// The first `count` characters, not ending inside a surrogate pair.
QStringView head(QStringView text, qsizetype count) {
    if (text.size() <= count) return text;
    if (QChar::isHighSurrogate(text[count - 1].unicode())) --count;
    return text.first(count);
}

}  // namespace

QFont reportFont(ReportFont face) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(face.size);
    font.setBold(face.bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

const ReportFonts::Entry &ReportFonts::entry(ReportFont face) {
    const auto key = std::make_pair(face.size, face.bold);
    auto found = entries_.find(key);
    if (found == entries_.end()) {
        QFont font = reportFont(face);
        found = entries_.emplace(key, Entry{font, QFontMetricsF(font)}).first;
    }
    return found->second;
}

const QFont &ReportFonts::font(ReportFont face) { return entry(face).font; }
const QFontMetricsF &ReportFonts::metrics(ReportFont face) { return entry(face).metrics; }

FittedLine fitLine(const QString &text, int width, ReportFont font, ReportFonts &fonts) {
    const bool cut = text.size() > kMeasuredCharacters;
    const QString line = printable(head(text, kMeasuredCharacters));
    if (!cut) {
        for (; font.size > geometry::kSmallestSize; font.size -= geometry::kShrinkStep)
            if (fonts.metrics(font).horizontalAdvance(line) <= width) return {line, font};
        font.size = geometry::kSmallestSize;
        return {fonts.metrics(font).elidedText(line, Qt::ElideRight, width), font};
    }
    // What was left unmeasured is cut in any case.
    font.size = geometry::kSmallestSize;
    return {cutWithEllipsis(line, width, fonts.metrics(font)), font};
}

QString cutWithEllipsis(const QString &line, int width, const QFontMetricsF &metrics) {
    QString shown = metrics.elidedText(line, Qt::ElideRight, width - metrics.horizontalAdvance(kEllipsis));
    if (!shown.endsWith(kEllipsis)) shown += kEllipsis;
    return shown;
}

QString firstLine(const QString &text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (isLineBreak(text[i].unicode())) return text.first(i);
    return text;
}

QStringList wrapText(const QString &text, int width, const QFont &font) {
    QStringList lines;
    if (text.isEmpty()) return lines;
    static const QRegularExpression breaks(QStringLiteral("\r\n|[\r\n\u0085\u2028\u2029]"));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString &paragraph : text.split(breaks)) {
        if (paragraph.isEmpty()) {
            lines.append(QString());
            continue;
        }
        const QString printed = printable(paragraph);
        QTextLayout layout(printed, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines.append(printed.mid(line.textStart(), line.textLength()));
        }
        layout.endLayout();
    }
    return lines;
}

}  // namespace volmira::manager
