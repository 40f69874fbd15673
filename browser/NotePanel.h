#pragma once

#include "store/Rows.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// What the note panel shows, apart from its widgets: the category list with
// its marks, which entry to select, and the stamp line of a note.
namespace volmira::browser {

// The Yes/No question before a category and its notes at every airport are
// deleted; the command line prints it when --yes is missing.
inline constexpr QStringView kDeleteCategoryQuestion =
    u"Achtung - Diese Aktion betrifft alle Flughäfen! ALLE Informationen in dieser Kategorie werden gelöscht. "
    u"Soll die Kategorie wirklich gelöscht werden ?";
inline constexpr QStringView kDeleteCategoryTitle = u"Achtung - alle Daten in dieser Kategorie wird gelöscht";

// Leads a list entry whose category holds a note of the airport.
inline constexpr QChar kNoteMark = u'*';

// The list texts in the given order: "*" + name for a marked category.
[[nodiscard]] QStringList categoryEntries(const std::vector<store::CategoryMark> &categories);

// The category an entry names: its text without a leading "*".
[[nodiscard]] QString categoryOf(const QString &entry);

// The first entry naming the same category as `entry`, the mark ignored on
// both sides and letters compared without regard to case; -1 when none. A save
// marks or unmarks the entry, and this finds it again.
[[nodiscard]] int findCategoryEntry(const QStringList &entries, const QString &entry);

// The first entry equal to the remembered LastKat as a whole, mark included:
// a LastKat of "*Kontakt" selects nothing once the note is emptied. -1 when none.
[[nodiscard]] int lastKatEntry(const QStringList &entries, const QString &lastKat);

// The airport's note of the category an entry names (mark ignored, any letter
// case); null when it has none.
[[nodiscard]] const store::MyInfoRow *noteOf(const std::vector<store::MyInfoRow> &notes, const QString &entry);

// lblAktuell: "Letzte Aktualisierung: 07.08.2026 - 14:05:00" from a stored
// Date and Time; empty when the Date is empty or unreadable.
[[nodiscard]] QString lblAktuellText(const QString &date, const QString &time);

}  // namespace volmira::browser
