#pragma once

#include "store/NoteText.h"

#include <QString>
#include <QStringList>

#include <ostream>

namespace volmira::store {

// A note as one line, for expectations and failure messages: paragraphs
// joined by "|", bold runs in "*", coloured ones as "<RRGGBB:text>".
inline QString describe(const NoteText &note) {
    QStringList paragraphs;
    for (const NoteParagraph &paragraph : note.paragraphs) {
        QString text;
        for (const NoteRun &run : paragraph.runs) {
            QString piece = run.text;
            if (run.colour) {
                const int rgb = (run.colour->red << 16) | (run.colour->green << 8) | run.colour->blue;
                piece = "<" + QString::number(rgb, 16).rightJustified(6, u'0').toUpper() + ":" + piece + ">";
            }
            text += run.bold ? "*" + piece + "*" : piece;
        }
        paragraphs << text;
    }
    return paragraphs.join(u'|');
}

// Found by argument-dependent lookup, so it lives beside the type.
inline void PrintTo(const NoteText &note, std::ostream *out) { *out << describe(note).toStdString(); }

}  // namespace volmira::store
