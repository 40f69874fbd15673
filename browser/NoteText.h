#pragma once

#include "browser/Rgb.h"

#include <QString>

#include <optional>
#include <vector>

// The text of an airport note as the note panel edits it: paragraphs of runs,
// each run with its text, bold or not, and a colour or none (the editor's
// default). The RTF codec reads into this model and writes it out; the editor
// bridge shows it and takes it back.
namespace volmira::browser {

struct NoteRun {
    QString text;  // tabs kept as '\t'; never a line break
    bool bold = false;
    std::optional<Rgb> colour;

    friend bool operator==(const NoteRun &, const NoteRun &) = default;
};

// No runs: an empty paragraph.
struct NoteParagraph {
    std::vector<NoteRun> runs;

    friend bool operator==(const NoteParagraph &, const NoteParagraph &) = default;
};

// No paragraphs: an empty note.
struct NoteText {
    std::vector<NoteParagraph> paragraphs;

    friend bool operator==(const NoteText &, const NoteText &) = default;
};

// Appends text to the paragraph in the given format, merging it into the last
// run when that has the same format; empty text adds nothing. Every model the
// reader and the editor bridge build is made this way, so that equal notes
// compare equal.
void appendRun(NoteParagraph &paragraph, QStringView text, bool bold, std::optional<Rgb> colour);

// The paragraphs joined by "\n", tabs kept.
[[nodiscard]] QString plainText(const NoteText &note);

// The text kept in MyInfo.PrintInfo for the printed list: the paragraphs joined
// by CR LF, every tab written as ten blanks.
[[nodiscard]] QString printInfo(const NoteText &note);

}  // namespace volmira::browser
