#pragma once

#include <QString>
#include <QStringView>

// How wide a text is, counted one way everywhere: the column widths of the
// exchange file, the limits of the entry dialogs and of category names, and
// the import's and the shipped build's fitting of long texts. A character is
// a Unicode code point (what the database engine's length() counts), so an
// emoji outside the Basic Multilingual Plane is one character, not two.
namespace volmira::store {

[[nodiscard]] qsizetype textWidth(QStringView text);

// The text kept to at most `width` characters; a cut never splits a character.
[[nodiscard]] QString cutToWidth(const QString &text, qsizetype width);

// A text longer than its column is first shortened with the abbreviations a
// pilot reads every day (DELIVERY DEL, GROUND GND, TOWER TWR, ...), word by
// word in any letter case, and only then cut, without blanks left at its end.
// A text that fits is left as it is. `changed` tells whether it was altered.
[[nodiscard]] QString fitToWidth(const QString &text, qsizetype width, bool *changed = nullptr);

}  // namespace volmira::store
