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

// Reads the history; a missing file is an empty history. A failure names the
// file when it exists but cannot be read.
[[nodiscard]] platform::Result<std::vector<HistoryEntry>> readUpdateHistory(const QString &path);
// The same over the bytes of a history; `name` stands for the file in messages.
[[nodiscard]] platform::Result<std::vector<HistoryEntry>> readUpdateHistoryBytes(QByteArray bytes,
                                                                                 const QString &name);
// Replaces the file atomically.
[[nodiscard]] platform::Result<> writeUpdateHistory(const QString &path, const std::vector<HistoryEntry> &entries);

}  // namespace volmira::store::exchange
