#include "browser/ui/NoteDocument.h"

#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace volmira::browser {

namespace {

QTextCharFormat formatOf(const store::NoteRun &run) {
    QTextCharFormat format;
    if (run.bold) format.setFontWeight(QFont::Bold);
    if (run.colour) format.setForeground(QColor(run.colour->red, run.colour->green, run.colour->blue));
    return format;
}

std::optional<platform::Rgb> colourOf(const QTextCharFormat &format) {
    if (!format.hasProperty(QTextFormat::ForegroundBrush) || format.foreground().style() == Qt::NoBrush)
        return std::nullopt;
    const QColor colour = format.foreground().color();
    return platform::Rgb{std::uint8_t(colour.red()), std::uint8_t(colour.green()), std::uint8_t(colour.blue())};
}

}  // namespace

void showNote(QTextDocument &document, const store::NoteText &note) {
    // Without undo while filling, so that the user cannot undo the note away.
    document.setUndoRedoEnabled(false);
    document.clear();
    document.setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    bool first = true;
    for (const store::NoteParagraph &paragraph : note.paragraphs) {
        if (!first) cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        first = false;
        for (const store::NoteRun &run : paragraph.runs) cursor.insertText(run.text, formatOf(run));
    }
    cursor.endEditBlock();
    document.setUndoRedoEnabled(true);
}

store::NoteText noteOf(const QTextDocument &document) {
    if (document.isEmpty()) return {};
    store::NoteBuilder builder;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            builder.add(fragment.fragment().text(), format.fontWeight() >= QFont::Bold, colourOf(format));
        }
        builder.endParagraph();
    }
    return builder.finish();
}

}  // namespace volmira::browser
