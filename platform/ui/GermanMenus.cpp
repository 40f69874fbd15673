#include "platform/ui/GermanMenus.h"

#include <QLineEdit>
#include <QMenu>

#include <memory>
#include <utility>

namespace volmira::platform {

// An action is known by the name Qt gives it, or else by its English text.
void germanEditMenu(QMenu *menu) {
    struct Text {
        const char *name;
        const char *english;
        const char *german;
    };
    static const Text kTexts[] = {
        {"edit-undo", "Undo", "&Rückgängig\tStrg+Z"},
        {"edit-redo", "Redo", "&Wiederherstellen\tStrg+Umschalt+Z"},
        {"edit-cut", "Cut", "&Ausschneiden\tStrg+X"},
        {"edit-copy", "Copy", "&Kopieren\tStrg+C"},
        {"edit-paste", "Paste", "E&infügen\tStrg+V"},
        {"edit-delete", "Delete", "&Löschen"},
        {"select-all", "Select All", "Alles au&swählen\tStrg+A"}};
    for (QAction *action : menu->actions()) {
        const QString english = action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
        for (const Text &t : kTexts)
            if (action->objectName() == QLatin1String(t.name) || english == QLatin1String(t.english))
                action->setText(QString::fromUtf8(t.german));
    }
}

void useGermanContextMenu(QLineEdit *box) {
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(box, &QWidget::customContextMenuRequested, box, [box](const QPoint &at) {
        const std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
        germanEditMenu(menu.get());
        menu->exec(box->mapToGlobal(at));
    });
}

}  // namespace volmira::platform
