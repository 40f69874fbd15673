#include "browser/ui/NoteEditor.h"

#include <QMimeData>

namespace volmira::browser {

NoteEditor::NoteEditor(QWidget *parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setTabChangesFocus(false);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(10);
    setFont(arial);
    document()->setDefaultFont(arial);
}

bool NoteEditor::canInsertFromMimeData(const QMimeData *source) const { return source->hasText(); }

void NoteEditor::insertFromMimeData(const QMimeData *source) {
    if (source->hasText()) textCursor().insertText(source->text());
}

}  // namespace volmira::browser
