#pragma once

#include "platform/Clock.h"
#include "store/Database.h"
#include "store/Rows.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace volmira::store {

using platform::Failure;
using platform::Result;

// Date and time of day of a row stamp, as stored.
struct Stamp {
    QString Date;  // YYYY-MM-DD
    QString Time;  // HH:MM:SS
};

// The queries and writes of the airport tables. Every value is bound; codes and
// names compare without regard to case. Every read gives a failure, never a
// partial answer, when the engine cannot read to the end (a damaged file).
class AirportStore {
public:
    AirportStore(Database &db, const platform::Clock &clock) : db_(db), clock_(clock) {}

    [[nodiscard]] Stamp now() const;

    // --- reading one airport
    [[nodiscard]] Result<std::optional<ArptRow>> airportByIcao(const QString &icao);
    // The ICAO code of the first AirportCode row of an IATA code.
    [[nodiscard]] Result<std::optional<QString>> icaoForIata(const QString &iata);
    [[nodiscard]] Result<std::vector<RwyRow>> runways(const QString &icao);         // by RWY
    [[nodiscard]] Result<std::vector<AcomRow>> frequencies(const QString &icao);    // by Name
    [[nodiscard]] Result<std::vector<IlsRow>> approaches(const QString &icao);      // by RWY
    [[nodiscard]] Result<std::vector<MyInfoRow>> notes(const QString &icao);
    // The newest stamp of each of the airport's five tables that has rows, in the
    // order RWY, ACOM, ILS, ARPT, MyInfo.
    [[nodiscard]] Result<std::vector<ChangeStamp>> changeStamps(const QString &icao);

    // --- lists
    // Airports whose name begins with the text, any letter case, German name order.
    [[nodiscard]] Result<std::vector<NameHit>> findByName(const QString &prefix);
    // Country prefixes with their airport counts, in name order; a prefix without
    // an ICAOCODE row is named "Kein Land gefunden".
    [[nodiscard]] Result<std::vector<CountryRow>> countries();
    [[nodiscard]] Result<int> airportCount();
    // Every airport code, in code order.
    [[nodiscard]] Result<QStringList> airportCodes();
    // The airports changed after the database date (LastDate later than
    // DatabaseVersion read as a date), in code order. With no readable
    // database date, every airport that has a LastDate.
    [[nodiscard]] Result<std::vector<ArptRow>> changedAirports();
    [[nodiscard]] Result<std::optional<VersionRow>> version();

    // --- writing; each returns an error text or empty
    [[nodiscard]] QString setLastDate(const QString &icao, const QString &date);
    // Stores the note of a category, replacing the airport's note of that category; stamped now.
    [[nodiscard]] QString saveNote(const QString &icao, const QString &category, const QString &richText,
                                   const QString &plainText);

    // Plain inserts that keep the row's own Date and Time (building and importing data).
    [[nodiscard]] QString insertAirport(const ArptRow &row);
    // Overwrites the airport row of the same code with the row's columns up to
    // Time, clearing LastDate and keeping LastKat; inserts it when there is none.
    [[nodiscard]] QString replaceAirport(const ArptRow &row);
    [[nodiscard]] QString insertRunway(const RwyRow &row);
    [[nodiscard]] QString insertFrequency(const AcomRow &row);
    [[nodiscard]] QString insertApproach(const IlsRow &row);
    [[nodiscard]] QString insertNote(const MyInfoRow &row);
    [[nodiscard]] QString insertCategory(const QString &category);
    [[nodiscard]] QString insertAirportCode(const AirportCodeRow &row);
    [[nodiscard]] QString insertCountry(const IcaoCodeRow &row);
    [[nodiscard]] QString setVersion(const VersionRow &row);
    // Writes the running program's version into the Version row (made when missing).
    [[nodiscard]] QString setProgramVersion(const QString &programVersion);
    // Writes the version of the installed airport data (made when missing).
    [[nodiscard]] QString setDatabaseVersion(const QString &databaseVersion);

    Database &database() { return db_; }

private:
    Database &db_;
    const platform::Clock &clock_;
};

}  // namespace volmira::store
