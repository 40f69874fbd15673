#include "browser/ui/NoteEditor.h"

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

// Qt's own menu texts are English; its actions are found by their names.
void NoteEditor::contextMenuEvent(QContextMenuEvent *event) {
    static const std::pair<const char *, const char *> kGerman[] = {
        {"edit-undo", "&Rückgängig\tStrg+Z"},   {"edit-redo", "&Wiederherstellen\tStrg+Umschalt+Z"},
        {"edit-cut", "&Ausschneiden\tStrg+X"},  {"edit-copy", "&Kopieren\tStrg+C"},
        {"edit-paste", "E&infügen\tStrg+V"},    {"edit-delete", "&Löschen"},
        {"select-all", "Alles au&swählen\tStrg+A"}};
    const std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    for (QAction *action : menu->actions())
        for (const auto &[name, text] : kGerman)
            if (action->objectName() == QLatin1String(name)) action->setText(QString::fromUtf8(text));
    menu->exec(event->globalPos());
}

bool NoteEditor::canInsertFromMimeData(const QMimeData *source) const { return source->hasText(); }

void NoteEditor::insertFromMimeData(const QMimeData *source) {
    if (source->hasText()) textCursor().insertText(source->text());
}

}  // namespace volmira::browser
