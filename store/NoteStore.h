#pragma once

#include "platform/Clock.h"
#include "platform/Result.h"
#include "store/Database.h"
#include "store/Rows.h"

#include <optional>
#include <vector>

namespace volmira::store {

// Why a category command changed nothing: the message and the title of the box
// the note panel shows it in. The command line prints the message.
struct Refusal {
    QString message;
    QString title;  // "Datenfehler", or "Fehler" for a delete

    friend bool operator==(const Refusal &, const Refusal &) = default;
};

// Nothing when the command was carried out (or had nothing to do), the refusal
// when it was refused; a failure when the file could not be read or written,
// and then nothing is changed.
using CategoryOutcome = platform::Result<std::optional<Refusal>>;

// The longest category name: the exchange file's Category field is 50 wide.
inline constexpr int kMaxCategoryLength = 50;

// The user's notes per airport and category, and the categories. Categories
// compare without regard to case for every letter, so "kontakt" names the
// category "Kontakt" and "GEBÜHREN" names "Gebühren".
class NoteStore {
public:
    NoteStore(Database &db, const platform::Clock &clock) : db_(db), clock_(clock) {}

    // The airport's notes in the order they were added.
    [[nodiscard]] platform::Result<std::vector<MyInfoRow>> ofAirport(const QString &icao);
    // The airport's note of the category (any letter case), the first one
    // added when there are more; nothing when it has none.
    [[nodiscard]] platform::Result<std::optional<MyInfoRow>> ofCategory(const QString &icao, const QString &category);
    // Stores the note of a category, replacing the airport's note of that
    // category, and its text in the search index; stamped now. Writes the
    // note only: the browser's saveNote brings LastDate along in the same
    // transaction.
    [[nodiscard]] platform::Result<> save(const QString &icao, const QString &category, const QString &richText,
                                          const QString &plainText);
    // A plain insert that keeps the row's own Date and Time (importing data),
    // with its text in the search index.
    [[nodiscard]] platform::Result<> insert(const MyInfoRow &row);
    [[nodiscard]] platform::Result<> insertCategory(const QString &category);

    // Every category in the order of the quick-find (germanSortKey), each
    // marked when the airport has a note in it whose PrintInfo is not empty
    // (a note of blanks only counts). One statement.
    [[nodiscard]] platform::Result<std::vector<CategoryMark>> categoryMarks(const QString &icao);
    // Every category in that order with the number of airports it marks.
    [[nodiscard]] platform::Result<std::vector<CategoryCount>> categoryCounts();
    // The stored spelling of a category, nothing when there is none.
    [[nodiscard]] platform::Result<std::optional<QString>> findCategory(const QString &name);

    // Adds a category, its name without the blanks around it. Nothing for an
    // empty name; refused: a leading "*", a name that exists in any letter
    // case, more than kMaxCategoryLength characters.
    [[nodiscard]] CategoryOutcome addCategory(const QString &typed);
    // Renames a category, its notes and the LastKat naming it at every airport
    // in one transaction; the new name without the blanks around it. Nothing
    // for an empty new name; refused: an old name that is not there
    // ("Kategorie - X wurde nicht gefunden."), and a new name that adding would
    // refuse, except the old one in another letter case.
    [[nodiscard]] CategoryOutcome renameCategory(const QString &oldName, const QString &typed);
    // Deletes a category and its notes at every airport in one transaction;
    // refused when it is not there ("Fehler beim Löschen der Kategorie ").
    [[nodiscard]] CategoryOutcome deleteCategory(const QString &name);

    // Remembers the list entry (mark included) selected when the note panel of
    // the airport was closed. Stamps nothing.
    [[nodiscard]] platform::Result<> setLastKat(const QString &icao, const QString &entry);

private:
    // The refusal of a new name, if any; `oldName` may differ from it in letter case only.
    platform::Result<std::optional<Refusal>> refusalOfNewName(const QString &name, const QString &oldName);

    Database &db_;
    const platform::Clock &clock_;
};

}  // namespace volmira::store
