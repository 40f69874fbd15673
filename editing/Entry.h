#pragma once

#include <QString>
#include <QStringView>

#include <variant>

// What every entry dialog's check gives back: the typed entry, or the first
// failure with the message box it shows and the box that gets the focus.
namespace volmira::editing {

// The title of messages that name none of their own.
inline constexpr QStringView kApplicationTitle = u"Volmira APT";
// The title of most entry errors and of the unknown-runway question.
inline constexpr QStringView kDataErrorTitle = u"Datenfehler";
// The title of the field-length check of the frequency and approach dialogs.
inline constexpr QStringView kLengthErrorTitle = u"Data error";

// EntryFailure::box when the focus stays where it is.
inline constexpr int kNoBox = -1;

// A refused entry: the dialog shows text under title with an OK button, puts
// the focus into box (numbered as each dialog's texts say; kNoBox for none) and
// stays open with everything as typed.
struct EntryFailure {
    QString text;
    QString title;
    int box = kNoBox;
    bool noNumber = false;  // the box holds no number at all, which the command line calls a usage error
};

// The result of a dialog's check.
template <typename Entry>
using Checked = std::variant<Entry, EntryFailure>;

// The dialog title for a row stamped Date "YYYY-MM-DD" and Time "HH:MM:SS":
// "Letzte Aktualisierung: 07 Aug 26 09:05:00"; for a new row, or one whose
// Date cannot be read, "Letzte Aktualisierung: ---".
[[nodiscard]] QString stampTitle(const QString &date = QString(), const QString &time = QString());

}  // namespace volmira::editing
