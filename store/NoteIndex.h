#pragma once

#include "platform/Result.h"

#include <QString>
#include <QStringView>

namespace volmira::store {

class Database;

// The full-text index of the notes: one row per MyInfo row (docid = its id)
// holding the note's plain text, words folded in case and accents, so that
// "gebuhr" finds "Gebühr". A deleted note leaves it by the trigger; a written
// one is put in by indexNote in the write's transaction, since the plain
// text comes out of the RTF only in C++.
inline constexpr const char *kNoteIndexSchema = R"SQL(
CREATE VIRTUAL TABLE NoteSearch USING fts4(Text, tokenize=unicode61 "remove_diacritics=1");
CREATE TRIGGER MyInfo_NoteSearch AFTER DELETE ON MyInfo BEGIN
  DELETE FROM NoteSearch WHERE docid = old.id;
END;
)SQL";

// The text the index holds for a stored note: its paragraphs joined by "\n".
[[nodiscard]] QString indexedText(QStringView stored);

// Puts the stored note of MyInfo row `id` into the index, replacing what it
// held for the row. No transaction of its own: the caller's write holds it.
[[nodiscard]] platform::Result<> indexNote(Database &db, long long id, QStringView stored);

// Puts every stored note into the empty index (a file of an older format),
// merged into one segment.
[[nodiscard]] platform::Result<> indexAllNotes(Database &db);

}  // namespace volmira::store
