#pragma once

#include "platform/Result.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

namespace volmira::store {

class Database;

// A stretch of a shown line: where a searched word stands.
struct Mark {
    qsizetype start = 0;
    qsizetype length = 0;

    friend bool operator==(const Mark &, const Mark &) = default;
};

// The line of a note that a hit shows, with its searched words marked.
struct MarkedLine {
    QString text;
    std::vector<Mark> marks;  // in order, apart

    friend bool operator==(const MarkedLine &, const MarkedLine &) = default;
};

// A note holding every searched word.
struct NoteHit {
    QString ICAO;
    QString Name;  // the airport's name
    QString Category;
    MarkedLine line;
};

// The words of a typed search text as the index splits text into words:
// runs of letters and digits; quotes, stars, dashes and the like separate them.
[[nodiscard]] QStringList searchWords(QStringView typed);

// The index's query for the words: each one quoted and matched by its
// beginning, all of them required. Nothing typed by the user reaches the
// query's own syntax: a word is letters and digits only, and "OR" quoted is a
// word like any other.
[[nodiscard]] QString matchExpression(const QStringList &words);

// The line of the note to show: the one holding the most of the words (the
// first of those), each word marked where a word of the line begins with it,
// case and accents ignored; a long line cut around its first mark ("…" where
// cut). The first line, unmarked, when no line holds one.
[[nodiscard]] MarkedLine matchingLine(QStringView text, const QStringList &words);

// The longest line shown, in characters.
inline constexpr qsizetype kShownLineLength = 120;

// Why a search could not be made on a file of an older format, read as it is.
inline constexpr QStringView kNoNoteIndexMessage =
    u"Die Datendatei hat noch keinen Suchindex der Notizen. Sie muss einmal mit Schreibrecht geöffnet werden, "
    u"damit das Programm ihn anlegt.";

namespace sql {
// ?1 the match expression, ?2 the category or NULL, ?3 the most hits or -1.
// The hits are found in the index and ordered by walking the notes' index of
// code and category, which stops at the limit; the notes' rows, a page each,
// are never read, and the texts only of the hits kept (CROSS JOIN keeps that
// order: with the limit a parameter, the engine would rather read every text).
inline constexpr const char *kSearchNotes =
    "SELECT h.ICAO, coalesce(a.Name, ''), h.Category, t.Text FROM (SELECT i.id, i.ICAO, i.Category FROM MyInfo i "
    "INDEXED BY MyInfo_ICAO WHERE i.id IN (SELECT docid FROM NoteSearch WHERE NoteSearch MATCH ?1) "
    "AND (?2 IS NULL OR i.Category = ?2 COLLATE UNICASE) ORDER BY i.ICAO, i.Category LIMIT ?3) h "
    "CROSS JOIN NoteSearch t ON t.docid = h.id LEFT JOIN ARPT a ON a.ICAO = h.ICAO ORDER BY h.ICAO, h.Category";
}  // namespace sql

// The notes holding every word of `typed`, of the category when one is given
// (any letter case), ordered by airport and category; at most `limit` when
// given. No hits when `typed` holds no word.
[[nodiscard]] platform::Result<std::vector<NoteHit>> searchNotes(Database &db, QStringView typed,
                                                                 const QString &category,
                                                                 std::optional<int> limit = std::nullopt);

}  // namespace volmira::store
