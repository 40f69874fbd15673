#pragma once

#include "platform/Rgb.h"
#include "editing/FieldLengths.h"

#include <QString>

#include <array>
#include <cstddef>

class QLabel;
class QLineEdit;
class QWidget;

// Small helpers the entry dialogs build their controls with.
namespace volmira::editing {

using platform::Rgb;

// Fills the control's background with the colour.
void setBackground(QWidget *widget, Rgb colour);
// A label without caption that shows a colour: the swatch beside a choice.
[[nodiscard]] QLabel *swatch(QWidget *parent, const QString &name, Rgb colour);

// An entry box under its caption (a label 240 twips high at left, top); the
// label is handed out when asked for.
QLineEdit *captionedBox(QWidget *parent, const QString &boxName, const QString &labelName, const QString &caption,
                        int left, int top, int width, QLabel **label = nullptr);

// The tooltip "höchstens N Zeichen".
void setMaximumTip(QLineEdit *box, int maximum);

// A row of boxes named boxName(i) under labels labelName(i) with the limits'
// captions, from the left edge on; each box's tooltip names the most
// characters it takes (the check reads the same limits).
template <std::size_t N>
void boxRow(QWidget *parent, const char *labelName, const char *boxName, const std::array<BoxLimit, N> &limits,
            const int (&widths)[N], std::array<QLabel *, N> &labels, std::array<QLineEdit *, N> &boxes) {
    int left = 120;
    for (std::size_t i = 0; i < N; ++i) {
        boxes[i] = captionedBox(parent, QStringLiteral("%1(%2)").arg(QLatin1String(boxName)).arg(i),
                                QStringLiteral("%1(%2)").arg(QLatin1String(labelName)).arg(i),
                                limits[i].caption.toString(), left, 120, widths[i], &labels[i]);
        setMaximumTip(boxes[i], limits[i].maximum);
        left += widths[i] + 120;
    }
}

}  // namespace volmira::editing
