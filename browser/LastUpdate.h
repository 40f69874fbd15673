#pragma once

#include "store/AirportStore.h"
#include "store/Rows.h"

#include <QString>
#include <QStringView>

#include <vector>

// The last-change line: the main window's title names the airport and its
// newest change (store::newestChange), whose date goes into ARPT.LastDate
// (store::storeLastDate).
namespace volmira::browser {

// The main window's title while no airport is shown.
inline constexpr QStringView kNoAirportTitle = u"Volmira APT";

struct LastUpdate {
    QString title;     // the main window's title
    QString lastDate;  // store::lastDateOf the stamps: YYYY-MM-DD; empty when the airport has no dated row
};

// "Volmira EDDF" + 27 blanks + "Letzte Aktualisierung - RWY Info - 07 Aug 26";
// without any dated row the line ends in "Letzte Aktualisierung - ---".
[[nodiscard]] LastUpdate lastUpdate(const QString &icao, const std::vector<store::ChangeStamp> &stamps);

// Reads the airport's stamps; writes nothing (the command line uses this).
[[nodiscard]] platform::Result<LastUpdate> readLastUpdate(store::AirportStore &store, const QString &icao);

}  // namespace volmira::browser
