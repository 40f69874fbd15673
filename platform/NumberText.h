#pragma once

#include <QString>

#include <optional>

// Numbers as a German pilot types them into a box or an option, read the same
// whatever the user's locale is, and shown back the same way.
namespace volmira::platform {

// The one reader of typed numbers (runway length and width, elevation,
// variation, the manager's length box and the options that fill them): blanks
// around, an optional sign, then
// - German grouping: points between groups of three digits, the first group
//   of one to three digits not beginning with 0, and an optional decimal
//   comma ("1.200" = 1200, "1.200,5" = 1200.5, "12.000.000");
// - else a plain decimal with at most one comma or point ("1,5", "800.4",
//   "0.125", ",5"); a lone point before three digits is grouping.
// Nothing else: no exponents, "inf", blanks inside, digits of other scripts,
// or points and commas in any other place ("1.20.0", "1,000.5"). Empty when
// the text is not such a number.
[[nodiscard]] std::optional<double> readNumber(const QString &text);

// The number format "#####": the whole number nearest the value, a half away
// from zero, no separators, and no digit at all for zero ("" for 0.4).
[[nodiscard]] QString hashFormat(double value);

// A stored number as a box shows it: plain decimals with a decimal comma,
// without exponent, grouping or trailing zeros ("364", "2,5", "-1300"), so that
// readNumber reads it back unchanged; empty for none.
[[nodiscard]] QString boxText(std::optional<double> value);

}  // namespace volmira::platform
