#include "editing/ui/DialogControls.h"

#include "platform/ui/Widgets.h"

#include <QLabel>
#include <QLineEdit>

namespace volmira::editing {

void setBackground(QWidget *widget, Rgb colour) {
    QPalette palette = widget->palette();
    // Buttons fill with the Button role, labels with Window.
    palette.setColor(widget->backgroundRole(), QColor(colour.red, colour.green, colour.blue));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel *swatch(QWidget *parent, const QString &name, Rgb colour) {
    auto *swatch = platform::named<QLabel>(parent, name);
    swatch->setFrameShape(QFrame::Box);
    setBackground(swatch, colour);
    return swatch;
}

QLineEdit *captionedBox(QWidget *parent, const QString &boxName, const QString &labelName, const QString &caption,
                        int left, int top, int width, QLabel **label) {
    QLabel *shown = platform::label(parent, labelName, caption);
    platform::setTwips(shown, left, top, width, 240);
    if (label) *label = shown;
    auto *box = platform::named<QLineEdit>(parent, boxName);
    platform::setTwips(box, left, top + 240, width, 375);
    return box;
}

void setMaximumTip(QLineEdit *box, int maximum) {
    box->setToolTip(QStringLiteral("höchstens %1 Zeichen").arg(maximum));
}

}  // namespace volmira::editing
