#include "platform/ui/MenuBarKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>

namespace volmira::platform {

namespace {

class MenuBarKeys final : public QObject {
public:
    explicit MenuBarKeys(QMenuBar *bar) : QObject(bar), bar_(bar) {
        auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), bar->window());
        connect(f10, &QShortcut::activated, this, &MenuBarKeys::enter);
        bar->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        // A click elsewhere ends it as Escape does; the menu a marked entry opens does not.
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            bar_->setActiveAction(nullptr);
        if (event->type() != QEvent::KeyPress || !bar_->hasFocus()) return false;
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Left:
            mark(-1);
            return true;
        case Qt::Key_Right:
            mark(+1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (QAction *chosen = bar_->activeAction()) {
                leave();
                chosen->trigger();
            }
            return true;
        case Qt::Key_Escape:
            leave();
            return true;
        default:
            return false;
        }
    }

private:
    void enter() {
        if (bar_->hasFocus()) return leave();
        before_ = QApplication::focusWidget();
        bar_->setFocus(Qt::ShortcutFocusReason);
        bar_->setActiveAction(nullptr);
        mark(+1);
    }

    // The next entry that can be chosen in that direction, round the end; the
    // empty spacers are passed over.
    void mark(int step) {
        const QList<QAction *> entries = bar_->actions();
        const qsizetype count = entries.size();
        qsizetype at = entries.indexOf(bar_->activeAction());
        if (at < 0) at = step > 0 ? -1 : count;
        for (qsizetype n = 0; n < count; ++n) {
            at = (at + step + count) % count;
            if (entries[at]->isEnabled() && entries[at]->isVisible()) return bar_->setActiveAction(entries[at]);
        }
    }

    void leave() {
        bar_->setActiveAction(nullptr);
        if (before_) before_->setFocus(Qt::ShortcutFocusReason);
        else bar_->clearFocus();
    }

    QMenuBar *bar_;
    QPointer<QWidget> before_;  // where the focus goes back to
};

}  // namespace

void useMenuBarKeys(QMenuBar *bar) { new MenuBarKeys(bar); }

}  // namespace volmira::platform
