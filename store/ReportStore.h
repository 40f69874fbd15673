#pragma once

#include "platform/Result.h"
#include "store/Database.h"
#include "store/Rows.h"

#include <QString>

#include <vector>

namespace volmira::store {

// The rows the printed list is made from, of every airport whose code begins
// with the prefix: by airport code, then in stored order.
struct ReportReads {
    std::vector<RwyRow> runways;
    std::vector<IlsRow> approaches;
    std::vector<AcomRow> frequencies;
    std::vector<MyInfoRow> contacts;  // the notes of the category asked for
};

// The printed airport list's reads and its scratch table RwyRoute. Failures
// carry the German cause alone; the caller says that the list failed.
class ReportStore {
public:
    explicit ReportStore(Database &db) : db_(db) {}

    // One statement per table for all airports of the prefix (taken literally,
    // any letter case, as the airport list takes it).
    [[nodiscard]] platform::Result<ReportReads> reads(const QString &prefix, const QString &contactCategory);

    // Empties RwyRoute, writes the rows and reads them back by Index, then in
    // the order written, in one transaction: another program's print cannot mix
    // in, and on any failure the table keeps its old rows.
    [[nodiscard]] platform::Result<std::vector<RwyRouteRow>> rewriteRoute(const std::vector<RwyRouteRow> &rows);

private:
    Database &db_;
};

}  // namespace volmira::store
