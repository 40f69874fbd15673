#pragma once

#include "store/NoteText.h"

class QTextDocument;

// The bridge between a note and the note panel's editor document.
namespace volmira::browser {

// Replaces the document's content by the note in Arial 10 pt: bold runs bold,
// coloured runs in their colour, runs without colour in the document's
// default; one block per paragraph.
void showNote(QTextDocument &document, const store::NoteText &note);

// The note the document holds: one paragraph per block, runs by bold and
// foreground colour (none when the text has no colour of its own). A document
// holding nothing (one empty block) gives an empty note, so that
// noteOf(after showNote(note)) == note for every note but one empty paragraph.
[[nodiscard]] store::NoteText noteOf(const QTextDocument &document);

}  // namespace volmira::browser
