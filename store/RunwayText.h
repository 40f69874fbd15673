#pragma once

#include <QString>

#include <optional>

// The runway dialog's rules that turn one runway end into the pair of both ends.
namespace volmira::store {

// One of the digits 0-9 of a designator or heading; QChar::isDigit also takes
// the digits of other scripts.
[[nodiscard]] inline bool isAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

struct RunwayEnds {
    QString RwyLow;   // "09L"
    QString RwyHigh;  // "27R"
    QString RWY;      // "09L / 27R"
};

// Why a designator was refused; the dialog shows a message for each.
enum class DesignatorFault {
    None,
    Number,  // not a number 0..36 and not two digits with a suffix
    Suffix,  // two digits followed by a letter other than L, R or C
};

// Both ends from the designator of one end: a number 0..36 ("9", "27"; 0 and
// 18 mean 18 / 36) or two digits with L, R or C ("09l", "27R"; the other end
// gets the mirrored letter, C stays C). Empty when refused; the reason then
// goes into fault if given.
[[nodiscard]] std::optional<RunwayEnds> runwayEnds(const QString &designator, DesignatorFault *fault = nullptr);

// RWYHDG "094 / 274" from the heading of one end, a whole number 0..360
// (0, 180 and 360 all mean 180 / 360). Empty when refused.
[[nodiscard]] std::optional<QString> runwayHeadings(const QString &heading);

}  // namespace volmira::store
