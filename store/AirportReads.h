#pragma once

#include "platform/Result.h"
#include "store/Database.h"
#include "store/Rows.h"
#include "store/SearchNames.h"

#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

namespace volmira::store {

// What a code that names no stored airport is told with, in the windows and on
// the command line alike.
inline constexpr QStringView kNotFoundMessage = u"Es wurde kein Flughafen gefunden";

// What the airport window reads: one airport with its rows, and the name
// quick-find. Codes and names compare without regard to case. Every read gives
// a failure, never a partial answer, when the file cannot be read to the end.
class AirportReads {
public:
    explicit AirportReads(Database &db) : db_(db) {}

    [[nodiscard]] platform::Result<std::optional<ArptRow>> airportByIcao(const QString &icao);
    // The ICAO code of the first AirportCode row of an IATA code.
    [[nodiscard]] platform::Result<std::optional<QString>> icaoForIata(const QString &iata);
    [[nodiscard]] platform::Result<std::vector<RwyRow>> runways(const QString &icao);       // by RWY
    [[nodiscard]] platform::Result<std::vector<AcomRow>> frequencies(const QString &icao);  // by Name
    [[nodiscard]] platform::Result<std::vector<IlsRow>> approaches(const QString &icao);    // by RWY
    // The newest stamp of each of the airport's five tables that has rows, in the
    // order RWY, ACOM, ILS, ARPT, MyInfo.
    [[nodiscard]] platform::Result<std::vector<ChangeStamp>> changeStamps(const QString &icao);
    // Airports whose name begins with the text, any letter case, German name order.
    [[nodiscard]] platform::Result<std::vector<FoundAirport>> findByName(const QString &prefix);
    // The quick find of the window and of `find`: the airports of findByName;
    // when there are none, those whose city or other name, or a later word of
    // one, begins with the text (accents, umlauts and case folded); then those with a later word of the
    // name beginning with it. Each airport once, at its first place.
    [[nodiscard]] platform::Result<std::vector<FoundAirport>> findAirports(const QString &text);
    // The same list a screenful at a time: the names from row `first` on, at
    // most `count`; once the names end within it, the further kinds of hit
    // follow and `last` is set.
    struct Page {
        std::vector<FoundAirport> rows;
        bool last = false;
    };
    [[nodiscard]] platform::Result<Page> findAirports(const QString &text, int first, int count);
    // The names of the airports of these exact codes in one query, in no particular order.
    [[nodiscard]] platform::Result<std::vector<NameHit>> namesOf(const QStringList &icaos);

private:
    // findByName from row `first` on, at most `count` (-1: all), with or
    // without the city (an older file read as it is has no search names).
    [[nodiscard]] platform::Result<std::vector<FoundAirport>> namesBeginning(const QString &prefix, bool searchNames,
                                                                           int first = 0, int count = -1);

    Database &db_;
};

}  // namespace volmira::store
