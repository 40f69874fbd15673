#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// Date and time texts as the program shows and stores them. Months are the
// German abbreviations (Jan Feb Mrz ... Dez); the locale library would write
// dotted forms such as "März" or "Okt.".
namespace volmira::store {

// The month's abbreviation, "Mrz" for 3; empty outside 1..12.
[[nodiscard]] QString germanMonth(int month);
// "07 Aug 26"; empty for an invalid date.
[[nodiscard]] QString germanDateShort(const QDate &date);
// "07 Aug 2026"; empty for an invalid date.
[[nodiscard]] QString germanDateLong(const QDate &date);
// The default date form, "07.08.2026"; empty for an invalid date.
[[nodiscard]] QString defaultDateText(const QDate &date);
// The default time form, "09:05:00"; empty for an invalid time.
[[nodiscard]] QString defaultTimeText(const QTime &time);

// The form of Date and LastDate columns, "2026-08-07"; empty for an invalid date
// and for years outside 1..9999, which the form cannot hold.
[[nodiscard]] QString storedDateText(const QDate &date);

// Reads a stored date, "YYYY-MM-DD" or "dd.mm.yyyy" (Version.DatabaseVersion),
// blanks around it ignored. Anything else gives an invalid date.
[[nodiscard]] QDate parseStoredDate(const QString &text);
// Reads a stored time "HH:MM:SS"; anything else gives an invalid time.
[[nodiscard]] QTime parseStoredTime(const QString &text);

}  // namespace volmira::store
