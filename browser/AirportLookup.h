#pragma once

#include "browser/AirportBlock.h"
#include "browser/LastUpdate.h"
#include "browser/SunTimes.h"
#include "store/AirportStore.h"
#include "store/Rows.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

// Finding the airport the user asks for, and everything the airport window
// shows of it. Shared by the airport window and the command line.
namespace volmira::browser {

// The message box of a lookup that finds nothing.
using store::kNotFoundMessage;
inline constexpr QStringView kNotFoundTitle = u"Keine Daten vorhanden";

struct AirportView {
    store::ArptRow airport;
    DataTexts texts;  // tData(0) .. tData(6)
    ColourScheme scheme = ColourScheme::Vlp;
    std::vector<store::RwyRow> runways;         // by RWY
    std::vector<store::AcomRow> frequencies;    // by name
    std::vector<store::IlsRow> approaches;      // by RWY
    SunLines sun;                               // for the day asked for
    LastUpdate lastUpdate;                      // title and LastDate, not yet written
    std::vector<store::MyInfoRow> notes;        // the airport's notes, in the order added
    QStringList categories;                     // the category list's entries, "*" marks included
    int lastKatEntry = -1;                      // the entry equal to LastKat as a whole; -1: none
};

// How a code is read: as typed (three characters are an IATA code) or as an
// ICAO code whatever its length, for a code taken from a list of airports.
enum class CodeKind { Typed, Icao };

// The airport row of a code, read as lookupAirport reads it; nothing when
// there is no such airport.
[[nodiscard]] platform::Result<std::optional<store::ArptRow>> findAirport(store::AirportStore &store,
                                                                          const QString &entered,
                                                                          CodeKind kind = CodeKind::Typed);

// The airport of a code: blanks around it are ignored; typed, three characters
// are an IATA code, any other length an ICAO code. Nothing when there is no
// such airport (then show kNotFoundMessage); a failure when the file cannot
// be read. The notes and the marked category list are read in the same read
// transaction as the rest. Reads only; the window writes LastDate afterwards with storeLastDate.
[[nodiscard]] platform::Result<std::optional<AirportView>> lookupAirport(store::AirportStore &store,
                                                                         const QString &entered, QDate day,
                                                                         CodeKind kind = CodeKind::Typed);

}  // namespace volmira::browser
