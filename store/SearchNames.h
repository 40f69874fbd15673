#pragma once

#include "platform/Result.h"
#include "store/Database.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace volmira::store {

// Where an airport found by the quick find was found, as stored in
// SearchName.Source (Name: the airport's name itself, never stored there).
enum class NameSource : int { Name = 0, City = 1, OtherName = 2, Word = 3 };

// An airport the quick find found: its name, city and country as the list
// shows them, and what the typed text matched.
struct FoundAirport {
    QString NAME;
    QString ICAO;
    QString City;     // empty when the data has none
    QString Country;  // the German name of its ICAO prefix
    NameSource source = NameSource::Name;
};

// How the quick-find list and `find` name the source.
[[nodiscard]] QStringView sourceText(NameSource source);

// The names an airport is found by besides the beginning of its own name: its
// city and other names (local spellings, old names) from the shipped data, and
// the words of its name. One row per search key: a city or other name is
// found by its beginning and by the beginnings of its later words, and a name
// with umlauts has two keys for each (see searchKeys). Created by a new file
// and by the upgrade of an older one. The index by airport holds the name, so
// that the list's city of each hit costs no read of the table.
inline constexpr const char *kSearchNameSchema = R"SQL(
CREATE TABLE SearchName (
  ICAO   TEXT NOT NULL COLLATE NOCASE, -- the airport
  Name   TEXT,                         -- the name as shown
  Key    TEXT,                         -- searchKeys() of Name, for the prefix search
  Source INTEGER                       -- 1 city, 2 other name, 3 word of the airport's name
);
CREATE INDEX SearchName_Key ON SearchName(Key, ICAO);
CREATE INDEX SearchName_ICAO ON SearchName(ICAO, Source, Name);
)SQL";

// The words of an airport's name after its first, which the name search
// itself finds: "Frankfurt Main Airport" gives "Main" and "Airport".
[[nodiscard]] QStringList nameWords(const QString &name);

// The writes below run in the caller's transaction.
// Replaces the airport's word rows with those of its name.
[[nodiscard]] platform::Result<> writeNameWords(Database &db, const QString &icao, const QString &name);
// Adds names of one source (City or OtherName), found by their beginning and
// the beginnings of their later words.
[[nodiscard]] platform::Result<> addSearchNames(Database &db, const QString &icao, NameSource source,
                                               const QStringList &names);
// The word rows of every stored airport, for a file that had none.
[[nodiscard]] platform::Result<> fillNameWords(Database &db);

}  // namespace volmira::store
