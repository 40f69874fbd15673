#pragma once

#include <QString>

#include <optional>

// Numbers as the entry dialogs read and show them, the same whatever the
// user's locale is.
namespace volmira::editing {

// The one reading of "numeric" in the entry dialogs: blanks around, an optional
// sign, digits with at most one decimal comma or point, at least one digit.
// Nothing else: no group separators, exponents, "inf" or digits of other
// scripts. Empty when the text is not such a number.
[[nodiscard]] std::optional<double> readNumber(const QString &text);

// The number format "#####": the whole number nearest the value, a half away
// from zero, no separators, and no digit at all for zero ("" for 0.4).
[[nodiscard]] QString hashFormat(double value);

// A stored number as an entry box shows it: plain decimals without exponent or
// trailing zeros ("364", "2.5", "-1300"); empty for none.
[[nodiscard]] QString boxText(std::optional<double> value);

}  // namespace volmira::editing
