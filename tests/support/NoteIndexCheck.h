#pragma once

#include "store/Database.h"
#include "store/NoteIndex.h"

#include <QStringList>

namespace volmira::test {

// Where the notes' search index and the notes disagree, one line for each
// row of either that the other lacks ("MyInfo 3: text", "NoteSearch 7: text");
// empty when the index holds every note's text under its id and nothing else.
inline QStringList noteIndexMismatch(store::Database &db) {
    const auto read = [&](const char *sql, bool fromNote) {
        const auto rows = db.prepare(sql).allRows([&](const store::Statement &row) {
            return QString::number(row.int64(0)) + ": " + (fromNote ? store::indexedText(row.text(1)) : row.text(1));
        });
        return rows ? QStringList(rows->begin(), rows->end()) : QStringList{rows.error()};
    };
    const QStringList notes = read("SELECT id, MyInfo FROM MyInfo ORDER BY id", true);
    const QStringList indexed = read("SELECT docid, Text FROM NoteSearch ORDER BY docid", false);
    QStringList mismatch;
    for (const QString &note : notes)
        if (!indexed.contains(note)) mismatch << "MyInfo " + note;
    for (const QString &entry : indexed)
        if (!notes.contains(entry)) mismatch << "NoteSearch " + entry;
    return mismatch;
}

}  // namespace volmira::test
