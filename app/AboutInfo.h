#pragma once

#include "platform/Result.h"
#include "store/Rows.h"
#include "store/exchange/UpdateHistory.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace volmira::store {
class AirportStore;
}

// What the About window and the `about` command show: the versions of the
// Version row, the release notes and the update history grouped by the day of
// its updates.
namespace volmira::app {

// The entry of the date list that gathers the history rows without a date.
inline constexpr char16_t kUndatedText[] = u"ohne Datum";

// A day of the update history and the airports its updates replaced.
struct UpdateDay {
    QString text;  // as the date list shows it, "21 Apr 2010", or "ohne Datum"
    QDate day;     // invalid for the rows without a date
    std::vector<store::exchange::HistoryEntry> rows;  // in the order of the file
};

struct AboutInfo {
    QString lblProg;
    QString lblData;
    std::vector<UpdateDay> days;  // oldest first, the rows without a date last
    QString error;                // German: the history or the version could not be read
};

// "Version " + the program version of the Version row.
[[nodiscard]] QString programText(const QString &programVersion);
// "Datenbank vom 21 Apr 2010"; a version that is no date shows as it is.
[[nodiscard]] QString databaseText(const QString &databaseVersion);
// "1 Flugplatz", "3 Flugplätze"; empty for none.
[[nodiscard]] QString airportCountText(qsizetype count);
// The Date cell of a history row, "21.04.2010"; empty without a date.
[[nodiscard]] QString historyDateText(const store::exchange::HistoryEntry &entry);
// The release notes, newest first, an empty item after each version.
[[nodiscard]] const QStringList &releaseNotes();

// Groups the history by calendar day: every row once, under the day of its Date.
[[nodiscard]] std::vector<UpdateDay> groupByDay(std::vector<store::exchange::HistoryEntry> history);

// The labels from the version row (none: the texts without a value) and the
// grouped history; a history that could not be read leaves the list empty and
// its message in `error`.
[[nodiscard]] AboutInfo aboutInfo(const std::optional<store::VersionRow> &version,
                                  platform::Result<std::vector<store::exchange::HistoryEntry>> history);
// Reads the Version row and UpdateInfo.crm of the data folder; only reads.
[[nodiscard]] AboutInfo readAboutInfo(store::AirportStore &store, const QString &dataFolder);

}  // namespace volmira::app
