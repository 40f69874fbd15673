#pragma once

#include "platform/Result.h"
#include "store/Database.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace volmira::store {

// What deleting an airport removed: its stored code and name, and the number
// of rows taken from each table.
struct DeletedAirport {
    QString ICAO;  // as stored
    QString Name;
    int RWY = 0;
    int ACOM = 0;
    int ILS = 0;
    int MyInfo = 0;
    int MAPDATA = 0;

    friend bool operator==(const DeletedAirport &, const DeletedAirport &) = default;
};

// The question asked before deleting, and the message when there is no
// airport to delete, as the database manager and the command line give them.
[[nodiscard]] inline QString deleteQuestion(const QString &icao, const QString &name) {
    return QStringLiteral("Soll der Flughafen - %1 - %2 - gelöscht werden ?").arg(icao, name);
}
inline constexpr QStringView kDeleteQuestionTitle = u"Flugplatz löschen";
inline constexpr QStringView kNotDeletedMessage = u"Fehler beim Löschen - Flugplatz wurde nicht gelöscht";

// Deletes an airport with everything that belongs to it: runways, frequencies,
// approaches, notes, map links, then the airport row, in this order and in one
// transaction, so that a failure or a crash on the way leaves the airport whole.
// Map files on disk stay.
class AirportDeletion {
public:
    explicit AirportDeletion(Database &db) : db_(db) {}

    // The code in any letter case. Nothing when there is no such airport (and
    // nothing is deleted); a failure when the file could not be written, and
    // then nothing is changed.
    [[nodiscard]] platform::Result<std::optional<DeletedAirport>> deleteAirport(const QString &icao);

private:
    Database &db_;
};

}  // namespace volmira::store
