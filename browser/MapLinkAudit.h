#pragma once

#include "platform/Result.h"
#include "store/MapStore.h"
#include "store/Rows.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

// The links over all airports: whose file is gone, which chart has expired,
// and moving the links of a chart folder that moved.
namespace volmira::browser {

// The last valid day of a link; nothing when none is stored (or it cannot be read).
[[nodiscard]] std::optional<QDate> validUntilOf(const store::MapDataRow &link);
// The day of expiry when the chart is no longer valid on `today`: it is valid
// through its last day.
[[nodiscard]] std::optional<QDate> expiredOn(const store::MapDataRow &link, const QDate &today);
// "Karte abgelaufen am 06.12.2026".
[[nodiscard]] QString expiredText(const QDate &lastDay);

// A link with the path it is found at.
struct FoundLink {
    store::MapDataRow row;
    QString path;  // as found, or as stored when missing
};

// The links over all airports whose file is found nowhere, rebasing included.
[[nodiscard]] platform::Result<std::vector<FoundLink>> missingLinks(store::MapStore &maps, const QString &dataFolder);

// A link below the old folder and where it would move.
struct Relink {
    store::MapDataRow row;
    QString location;        // the new folder
    bool fileThere = false;  // the file is in the new folder: it moves
};

// The links whose stored folder is `oldFolder` or lies below it, each with the
// same sub-folder below `newFolder`. Separators as stored ('\' too) and
// trailing ones do not matter.
[[nodiscard]] std::vector<Relink> planRelink(const std::vector<store::MapDataRow> &links, const QString &oldFolder,
                                             const QString &newFolder);

// Moves every planned link whose file is there, in one transaction.
[[nodiscard]] platform::Result<> applyRelink(store::MapStore &maps, const std::vector<Relink> &plan);

}  // namespace volmira::browser
