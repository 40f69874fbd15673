#pragma once

#include "store/exchange/UpdateHistory.h"

#include <QDir>

#include <gtest/gtest.h>

#include <vector>

namespace volmira::test {

// A row of UpdateInfo.crm; an empty date is a row without one.
struct HistoryRow {
    const char *icao;
    const char *name;
    const char *date;  // yyyy-mm-ddThh:mm:ss
};

// Writes UpdateInfo.crm into the folder as the update import does.
inline void writeHistory(const QString &folder, const std::vector<HistoryRow> &rows) {
    std::vector<store::exchange::HistoryEntry> entries;
    for (const HistoryRow &r : rows) {
        const QDateTime stamp = QDateTime::fromString(QString::fromLatin1(r.date), Qt::ISODate);
        entries.push_back({QString::fromUtf8(r.icao), QString::fromUtf8(r.name),
                           stamp.isValid() ? std::optional(store::recordfile::DateTime{stamp.date(), stamp.time()})
                                           : std::nullopt});
    }
    const QString path = QDir(folder).filePath(QString::fromLatin1(store::exchange::kUpdateHistoryFile));
    ASSERT_EQ(store::exchange::writeUpdateHistory(path, entries).error(), "");
}

// Two updates: three airports of 21 Apr 2010, one of 5 Dec 2010, written in
// between, and a row the record-set library left without a date.
inline const std::vector<HistoryRow> kTwoUpdates{{"EDST", "Stuttgart", "2010-12-05T00:00:00"},
                                                 {"EDDF", "Frankfurt/Main", "2010-04-21T00:00:00"},
                                                 {"EDXX", "ohne Stempel", ""},
                                                 {"EDDM", "München", "2010-04-21T00:00:00"},
                                                 {"EDDH", "Hamburg", "2010-04-21T16:45:00"}};

}  // namespace volmira::test
