#pragma once

#include "platform/Result.h"
#include "store/Database.h"
#include "store/exchange/UpdateHistory.h"

namespace volmira::store::exchange {

// The history of an import, written in full under a temporary name before the
// import commits and put in place after it. A marker table, made in the
// import's transaction, tells the next import whether a history left under
// the temporary name belongs to committed data (put it in place) or not
// (drop it), so a process ended between the commit and the rename loses no
// history rows.
class PendingHistory {
public:
    PendingHistory(Database &db, const QString &dataFolder);

    [[nodiscard]] const QString &historyPath() const { return history_; }
    // What an import ended before left: put in place or dropped.
    [[nodiscard]] platform::Result<> finishEarlier();
    // Before the commit, inside the import's transaction.
    [[nodiscard]] platform::Result<> write(const std::vector<HistoryEntry> &entries);
    // After the commit.
    [[nodiscard]] platform::Result<> putInPlace();

private:
    Database &db_;
    QString history_;
    QString pending_;
};

}  // namespace volmira::store::exchange
