#pragma once

#include "platform/Rgb.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// The text of an airport note as the note panel edits it: paragraphs of runs,
// each run with its text, bold or not, and a colour or none (the editor's
// default). The RTF codec reads into this model and writes it out; the editor
// bridge shows it and takes it back.
namespace volmira::store {

using platform::Rgb;

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

// Builds a note from text in pieces, so that every note read or taken from
// the editor has one shape and equal notes compare equal: no empty runs,
// neighbouring runs of one format merged, tabs kept, other control characters
// dropped, U+2028 and U+2029 ending a paragraph, a lone surrogate written as
// U+FFFD.
class NoteBuilder {
public:
    void add(QStringView text, bool bold, std::optional<Rgb> colour);
    void add(char16_t c, bool bold, std::optional<Rgb> colour);
    // Ends the current paragraph, even an empty one.
    void endParagraph();
    // The note; the paragraph in progress counts only when it holds text.
    [[nodiscard]] NoteText finish();

private:
    void append(QStringView text, bool bold, std::optional<Rgb> colour);
    void endRun();
    void flushSurrogate();

    NoteText note_;
    NoteParagraph current_;
    // The run in progress, not yet in current_.
    QString run_;
    bool runBold_ = false;
    std::optional<Rgb> runColour_;
    char16_t highSurrogate_ = 0;
    bool surrogateBold_ = false;
    std::optional<Rgb> surrogateColour_;
};

// The paragraphs joined by "\n", tabs kept.
[[nodiscard]] QString plainText(const NoteText &note);

// The text kept in MyInfo.PrintInfo for the printed list: the paragraphs joined
// by CR LF, every tab written as ten blanks.
[[nodiscard]] QString printInfo(const NoteText &note);

}  // namespace volmira::store
