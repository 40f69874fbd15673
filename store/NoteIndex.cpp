#include "store/NoteIndex.h"

#include "store/Database.h"
#include "store/Rtf.h"

namespace volmira::store {

QString indexedText(QStringView stored) { return plainText(readNote(stored)); }

platform::Result<> indexNote(Database &db, long long id, QStringView stored) {
    Statement &gone = db.prepare("DELETE FROM NoteSearch WHERE docid = ?");
    if (platform::Result<> removed = gone.reset().bind(1, id).run(); !removed) return removed;
    Statement &add = db.prepare("INSERT INTO NoteSearch (docid, Text) VALUES (?, ?)");
    return add.reset().bind(1, id).bind(2, indexedText(stored)).run();
}

platform::Result<> indexAllNotes(Database &db) {
    // Row by row: the notes of a whole file held at once would take their size several times.
    Statement &notes = db.prepare("SELECT id, MyInfo FROM MyInfo ORDER BY id");
    notes.reset();
    while (notes.next())
        if (platform::Result<> indexed = indexNote(db, notes.int64(0), notes.text(1)); !indexed) {
            notes.reset();
            return indexed;
        }
    if (notes.failed()) return platform::Failure{notes.error()};
    // One segment instead of the many the inserts leave: the quickest index to search.
    return db.exec("INSERT INTO NoteSearch (NoteSearch) VALUES ('optimize')");
}

}  // namespace volmira::store
