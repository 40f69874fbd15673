#include "store/NoteSearch.h"

#include "store/Database.h"

#include <algorithm>

namespace volmira::store {

namespace {

// What the index's tokenizer counts as part of a word.
bool inWord(QChar c) { return c.isLetterOrNumber() || c.isMark(); }

// A character as the index compares it: without its accents, case folded.
QChar folded(QChar c) {
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

// The words of a line, each as its start in the line and its folded text.
template <typename Each>
void eachWord(QStringView line, Each each) {
    for (qsizetype i = 0; i < line.size();) {
        if (!inWord(line[i])) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < line.size() && inWord(line[i])) ++i;
        each(start, foldedText(line.sliced(start, i - start)));
    }
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
    QString bestLine;
    std::vector<Mark> bestMarks;
    qsizetype bestCount = 0;
    bool first = true;
    for (const QStringView line : text.tokenize(u'\n')) {
        std::vector<Mark> marks;
        std::vector<bool> found(size_t(wanted.size()), false);
        eachWord(line, [&](qsizetype start, const QString &word) {
            qsizetype length = 0;
            for (qsizetype w = 0; w < wanted.size(); ++w)
                if (word.startsWith(wanted[w])) {
                    found[size_t(w)] = true;
                    length = std::max(length, wanted[w].size());
                }
            if (length > 0) marks.push_back({start, length});
        });
        const qsizetype count = std::ranges::count(found, true);
        if (first || count > bestCount) {
            bestLine = line.toString();
            bestMarks = std::move(marks);
            bestCount = count;
        }
        first = false;
    }
    return cut(bestLine.replace(u'\t', u' '), std::move(bestMarks));
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
    const platform::Result<std::optional<int>> indexed =
        db.prepare("SELECT 1 FROM sqlite_master WHERE name = 'NoteSearch'").firstRow([](const Statement &row) {
            return row.integer(0);
        });
    if (indexed && !*indexed) return platform::Failure{kNoNoteIndexMessage.toString()};
    return hits;
}

}  // namespace volmira::store
