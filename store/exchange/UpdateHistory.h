#pragma once

#include "store/recordfile/RecordFile.h"

#include <QString>

#include <optional>
#include <vector>

// UpdateInfo.crm, the history of update imports: one row per imported airport
// with the data version of the update it came with.
namespace volmira::store::exchange {

inline constexpr char kUpdateHistoryFile[] = "UpdateInfo.crm";

struct HistoryEntry {
    QString ICAO;  // null stays null
    QString Name;
    std::optional<recordfile::DateTime> Date;
};

// Reads the history; a missing file is an empty history. Returns a German
// message naming the file when it exists but cannot be read.
[[nodiscard]] QString readUpdateHistory(const QString &path, std::vector<HistoryEntry> &entries);
// Replaces the file atomically. Returns a German message or empty.
[[nodiscard]] QString writeUpdateHistory(const QString &path, const std::vector<HistoryEntry> &entries);

}  // namespace volmira::store::exchange
