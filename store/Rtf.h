#pragma once

#include "store/NoteText.h"

#include <QString>
#include <QStringView>

// The rich text of the notes (MyInfo.MyInfo): an RTF reader that takes the
// text, bold and colours out of what this program and word processors write,
// and a writer of the small RTF this program stores.
namespace volmira::store {

// Whether a stored note is RTF (it starts with "{\rtf"); other values are
// plain text.
[[nodiscard]] bool isRtf(QStringView stored);

// A stored note: RTF through readRtf, anything else as plain text whose lines
// (ended by CR LF, LF or CR) become paragraphs, tabs kept.
[[nodiscard]] NoteText readNote(QStringView stored);

// Reads any input without failing: what cannot be understood is skipped, a
// truncated document yields the text read so far. The text, bold, colours,
// tabs and paragraphs are kept; fonts, sizes, pictures, fields' instructions
// and the other destinations are dropped. The \par ending the last paragraph
// opens no new one. Reading ends where the outermost group closes.
[[nodiscard]] NoteText readRtf(QStringView rtf);

// RTF in code page 1252, Arial 10 pt, with a colour table of the colours used.
// readRtf(writeRtf(note)) == note for every note readRtf produces. Equal notes
// give equal text, so that comparing it tells whether a note was changed.
[[nodiscard]] QString writeRtf(const NoteText &note);

}  // namespace volmira::store
