#include "store/NoteSearch.h"

#include "store/Database.h"

#include <algorithm>
#include <cctype>

namespace volmira::store {

namespace {

// What the index's tokenizer counts as part of a word; ASCII decided at once,
// since a note is mostly ASCII and every character of a shown note is asked.
bool inWord(QChar c) {
    if (c.unicode() < 0x80) return std::isalnum(c.unicode()) != 0;
    return c.isLetterOrNumber() || c.isMark();
}

// A character as the index compares it: without its accents, case folded.
QChar folded(QChar c) {
    if (c.unicode() < 0x80) return QChar(char16_t(std::tolower(c.unicode())));
    while (c.decompositionTag() == QChar::Canonical) c = c.decomposition().front();
    return c.toCaseFolded();
}

QString foldedText(QStringView text) {
    QString result;
    result.reserve(text.size());
    for (const QChar c : text)
        if (!c.isMark()) result += folded(c);
    return result;
}

// How many characters of `line` from `start` spell the folded `wanted`
// (accents standing apart skipped); 0 when they do not.
qsizetype prefixLength(QStringView line, qsizetype start, QStringView wanted) {
    qsizetype i = start;
    for (const QChar w : wanted) {
        while (i < line.size() && line[i].isMark()) ++i;
        if (i == line.size() || !inWord(line[i]) || folded(line[i]) != w) return 0;
        ++i;
    }
    return i - start;
}

// A line longer than kShownLineLength cut around its first mark.
MarkedLine cut(QString line, std::vector<Mark> marks) {
    if (line.size() <= kShownLineLength) return {line, marks};
    const qsizetype first = marks.empty() ? 0 : marks.front().start;
    const qsizetype from = std::clamp(first - kShownLineLength / 4, qsizetype(0), line.size() - kShownLineLength);
    const qsizetype to = from + kShownLineLength;
    const QString before = from > 0 ? QStringLiteral("…") : QString();
    MarkedLine shown{before + line.sliced(from, kShownLineLength) + (to < line.size() ? QStringLiteral("…") : QString()),
                     {}};
    for (const Mark &m : marks)
        if (m.start >= from && m.start + m.length <= to) shown.marks.push_back({m.start - from + before.size(), m.length});
    return shown;
}

}  // namespace

QStringList searchWords(QStringView typed) {
    QStringList words;
    for (qsizetype i = 0; i < typed.size();) {
        if (!inWord(typed[i])) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < typed.size() && inWord(typed[i])) ++i;
        words.append(typed.sliced(start, i - start).toString());
    }
    return words;
}

QString matchExpression(const QStringList &words) {
    QStringList terms;
    for (const QString &word : words) terms.append(u'"' + word + QStringLiteral("*\""));
    return terms.join(u' ');
}

MarkedLine matchingLine(QStringView text, const QStringList &words) {
    QStringList wanted;
    for (const QString &word : words) wanted.append(foldedText(word));
    QStringView bestLine;
    std::vector<Mark> bestMarks;
    qsizetype bestCount = -1;
    for (const QStringView line : text.tokenize(u'\n')) {
        std::vector<Mark> marks;
        std::vector<bool> found(size_t(wanted.size()), false);
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (!inWord(line[i]) || (i > 0 && inWord(line[i - 1]))) continue;
            qsizetype length = 0;
            for (qsizetype w = 0; w < wanted.size(); ++w)
                if (const qsizetype spelt = prefixLength(line, i, wanted[w]); spelt > 0) {
                    found[size_t(w)] = true;
                    length = std::max(length, spelt);
                }
            if (length > 0) marks.push_back({i, length});
        }
        if (const qsizetype count = std::ranges::count(found, true); count > bestCount) {
            bestLine = line;
            bestMarks = std::move(marks);
            bestCount = count;
        }
        if (bestCount == wanted.size()) break;  // no line can hold more
    }
    return cut(bestLine.toString().replace(u'\t', u' '), std::move(bestMarks));
}

platform::Result<std::vector<NoteHit>> searchNotes(Database &db, QStringView typed, const QString &category,
                                                   std::optional<int> limit) {
    const QStringList words = searchWords(typed);
    if (words.isEmpty()) return std::vector<NoteHit>();
    Statement &s = db.prepare(sql::kSearchNotes);
    s.reset().bind(1, matchExpression(words)).bind(3, limit.value_or(-1));
    s.bind(2, category.isEmpty() ? QString() : category);
    platform::Result<std::vector<NoteHit>> hits = s.allRows([&](const Statement &row) {
        return NoteHit{row.text(0), row.text(1), row.text(2), matchingLine(row.text(3), words)};
    });
    if (hits) return hits;
    if (const platform::Result<bool> indexed = db.hasTable("NoteSearch"); indexed && !*indexed)
        return platform::Failure{kNoNoteIndexMessage.toString()};
    return hits;
}

}  // namespace volmira::store
