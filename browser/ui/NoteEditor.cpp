#include "browser/ui/NoteEditor.h"

#include "platform/ui/GermanMenus.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>

#include <memory>

namespace volmira::browser {

NoteEditor::NoteEditor(QWidget *parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setTabChangesFocus(false);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(10);
    setFont(arial);
    document()->setDefaultFont(arial);
}

void NoteEditor::contextMenuEvent(QContextMenuEvent *event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    platform::germanEditMenu(menu.get());
    menu->exec(event->globalPos());
}

bool NoteEditor::canInsertFromMimeData(const QMimeData *source) const { return source->hasText(); }

void NoteEditor::insertFromMimeData(const QMimeData *source) {
    if (source->hasText()) textCursor().insertText(source->text());
}

}  // namespace volmira::browser
