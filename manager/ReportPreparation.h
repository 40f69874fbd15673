#pragma once

#include "manager/ReportRows.h"
#include "platform/Result.h"
#include "store/AirportFilter.h"
#include "store/Rows.h"

#include <QString>

#include <functional>
#include <vector>

namespace volmira::store {
class Database;
}

// Preparing the printed airport list: the airports the manager lists, their
// rows read at once, the lines written to RwyRoute and read back from there.
namespace volmira::manager {

// Told the number of airports first (position 0), then each position built.
using ReportProgress = std::function<void(int position, int count)>;

// The list of the airports the manager's airport list shows for the prefix and
// the filter, as read back from RwyRoute. A failure carries the German cause;
// the table then keeps its old rows. No airports: an empty list.
[[nodiscard]] platform::Result<std::vector<ReportAirport>> prepareReport(store::Database &db, const QString &prefix,
                                                                         const store::AirportFilter &filter,
                                                                         const ReportProgress &progress = {});

// The scratch table's lines of the airports, and the airports again from its
// lines: consecutive lines of one Index form an airport, whose group columns
// are those of its first line.
[[nodiscard]] std::vector<store::RwyRouteRow> routeRows(const std::vector<ReportAirport> &airports);
[[nodiscard]] std::vector<ReportAirport> routeAirports(const std::vector<store::RwyRouteRow> &rows);

// What the window and the command line put before the cause of a failure.
inline constexpr QStringView kReportFailure = u"Fehler Bericht";
// Said instead of showing or writing a list without airports.
inline constexpr QStringView kEmptyReport = u"Die Flughafenliste ist leer – es gibt nichts zu drucken.";

}  // namespace volmira::manager
