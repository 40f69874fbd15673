#include "store/exchange/PendingHistory.h"

#include "platform/SystemError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

namespace volmira::store::exchange {

namespace {

constexpr const char *kMarkerExists =
    "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'UpdateHistoryPending'";

}  // namespace

PendingHistory::PendingHistory(Database &db, const QString &dataFolder)
    : db_(db),
      history_(QDir(dataFolder).filePath(QString::fromLatin1(kUpdateHistoryFile))),
      pending_(history_ + QStringLiteral(".neu")) {}

platform::Result<> PendingHistory::finishEarlier() {
    Statement &marker = db_.prepare(kMarkerExists);
    const platform::Result<std::optional<int>> committed =
        marker.firstRow([](const Statement &row) { return row.integer(0); });
    if (!committed) return platform::Failure{committed.error()};
    if (committed->value_or(0) == 0) {
        QFile::remove(pending_);  // its import was rolled back
        return {};
    }
    if (QFileInfo::exists(pending_))
        if (platform::Result<> placed = putInPlace(); !placed) return placed;
    return db_.exec("DROP TABLE IF EXISTS UpdateHistoryPending");
}

platform::Result<> PendingHistory::write(const std::vector<HistoryEntry> &entries) {
    if (platform::Result<> written = writeUpdateHistory(pending_, entries); !written) return written;
    return db_.exec("CREATE TABLE IF NOT EXISTS UpdateHistoryPending (Written INTEGER)");
}

platform::Result<> PendingHistory::putInPlace() {
    errno = 0;
    // rename() replaces the old history in one step; QFile::rename would not replace it.
    if (std::rename(QFile::encodeName(pending_).constData(), QFile::encodeName(history_).constData()) != 0)
        return platform::Failure{QStringLiteral("Die Update-Historie %1 kann nicht ersetzt werden: %2")
                                     .arg(QFileInfo(history_).fileName(), platform::systemErrorText(errno))};
    (void)db_.exec("DROP TABLE IF EXISTS UpdateHistoryPending");  // else the next import drops it
    return {};
}

}  // namespace volmira::store::exchange
