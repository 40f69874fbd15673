#pragma once

#include "browser/LastUpdate.h"
#include "store/AirportStore.h"
#include "store/NoteText.h"
#include "store/Rows.h"
#include "store/Stamp.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// Reading and storing an airport's notes as the note panel and the note
// commands do.
namespace volmira::browser {

// What the note panel lists for an airport.
struct AirportNotes {
    std::vector<store::MyInfoRow> notes;  // in the order added
    QStringList categories;               // the list's entries, "*" marks included
};

// The airport's notes and its marked category list, read in one read
// transaction (ShowCategories after a save, an add or a rename).
[[nodiscard]] platform::Result<AirportNotes> readAirportNotes(store::AirportStore &store, const QString &icao);

struct SavedNote {
    store::MyInfoRow note;  // as stored: our RTF, PrintInfo, the stamp
    LastUpdate lastUpdate;  // the title now; its lastDate is the stored LastDate
    QString lblAktuell;     // the stamp line of the stored note
};

// Stores the note as the note of the category `entry` names (mark ignored) at
// the airport: MyInfo = writeRtf(note), PrintInfo = printInfo(note), stamped by
// the store's clock; then the airport's LastDate, written only when it
// differs. All in one transaction: on failure nothing is stored. A failure
// (store::airportGoneMessage) when the airport does not exist, so that no
// note of no airport is ever written. The category is taken as given: callers
// pass a listed one.
// `loaded` is the stamp of the note the new one was typed over, nothing when
// there was none: when the stored note is other than that (changed, written
// or deleted meanwhile), nothing is stored and the stored note is given back.
[[nodiscard]] platform::Result<store::Guarded<SavedNote, store::MyInfoRow>> saveNote(
    store::AirportStore &store, const QString &icao, const QString &entry, const store::NoteText &note,
    const std::optional<store::Stamp> &loaded);

// Why a note deleted meanwhile is not stored again.
inline constexpr QStringView kNoteVanishedMessage =
    u"Die Notiz wurde inzwischen von einem anderen Programm gelöscht. Nichts wurde gespeichert.";

// The largest note file read (a note of a megabyte is already far beyond
// what anyone types).
inline constexpr qint64 kMaxNoteFileBytes = 8 << 20;

// A note from a file: one starting with "{\rtf" goes through the RTF reader,
// any other must be UTF-8 text whose lines become paragraphs. A failure, in
// German, for a file that cannot be read, is too large, or is neither.
[[nodiscard]] platform::Result<store::NoteText> readNoteFile(const QString &path);

}  // namespace volmira::browser
