#pragma once

#include "store/Database.h"
#include "store/NoteIndex.h"

#include <QStringList>

namespace volmira::test {

// Where the notes' search index and the notes disagree: the rows of either
// that the other lacks ("MyInfo 3: text", "NoteSearch 7: text"); nothing when
// the index holds every note's text under its id and nothing else.
inline QString noteIndexMismatch(store::Database &db) {
    const auto read = [&](const char *sql, bool note) {
        const auto rows = db.prepare(sql).allRows([&](const store::Statement &row) {
            return QString::number(row.int64(0)) + ": " + (note ? store::indexedText(row.text(1)) : row.text(1));
        });
        return rows ? QStringList(rows->begin(), rows->end()) : QStringList{rows.error()};
    };
    const QStringList notes = read("SELECT id, MyInfo FROM MyInfo", true), index = read("SELECT docid, Text FROM NoteSearch", false);
    QStringList apart;
    for (const QString &note : notes) if (!index.contains(note)) apart << "MyInfo " + note;
    for (const QString &entry : index) if (!notes.contains(entry)) apart << "NoteSearch " + entry;
    return apart.join(u'\n');
}

}  // namespace volmira::test
