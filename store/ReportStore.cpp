#include "store/ReportStore.h"

#include "platform/TestPause.h"
#include "store/ReportStatements.h"

namespace volmira::store {

using platform::Failure;
using platform::Result;

namespace {

template <typename Row>
Result<std::vector<Row>> rowsOfPrefix(Database &db, const std::string &sql, const Table<Row> &table,
                                      const QString &prefix, const QString *category = nullptr) {
    Statement &s = db.prepare(sql.c_str());
    s.bind(1, prefix).bind(2, prefix + QString::fromUcs4(U"\U0010FFFF"));
    if (category) s.bind(3, *category);
    return s.allRows([&table](const Statement &row) { return table.read(row); });
}

}  // namespace

Result<ReportReads> ReportStore::reads(const QString &prefix, const QString &contactCategory) {
    Result<std::vector<RwyRow>> runways = rowsOfPrefix(db_, sql::kReportRunways, rwyTable(), prefix);
    if (!runways) return Failure{runways.error()};
    Result<std::vector<IlsRow>> approaches = rowsOfPrefix(db_, sql::kReportApproaches, ilsTable(), prefix);
    if (!approaches) return Failure{approaches.error()};
    Result<std::vector<AcomRow>> frequencies = rowsOfPrefix(db_, sql::kReportFrequencies, acomTable(), prefix);
    if (!frequencies) return Failure{frequencies.error()};
    Result<std::vector<MyInfoRow>> contacts =
        rowsOfPrefix(db_, sql::kReportContacts, myInfoTable(), prefix, &contactCategory);
    if (!contacts) return Failure{contacts.error()};
    return ReportReads{std::move(*runways), std::move(*approaches), std::move(*frequencies), std::move(*contacts)};
}

Result<std::vector<RwyRouteRow>> ReportStore::rewriteRoute(const std::vector<RwyRouteRow> &rows) {
    Transaction tx(db_);
    if (!tx.started()) return Failure{tx.startError()};
    if (Result<> cleared = db_.prepare(sql::kClearRwyRoute).run(); !cleared) return Failure{cleared.error()};
    const Result<std::optional<int>> left =
        db_.prepare(sql::kRwyRouteCount).firstRow([](const Statement &s) { return s.integer(0); });
    if (!left) return Failure{left.error()};
    if (left->value_or(0) != 0)
        return Failure{QStringLiteral("Die Tabelle RwyRoute enthält nach dem Leeren noch %1 Zeilen.").arg(**left)};
    Statement &fill = db_.prepare(sql::kFillRwyRoute.c_str());
    for (const RwyRouteRow &row : rows) {
        fill.reset();
        rwyRouteTable().bind(fill, row);
        if (Result<> written = fill.run(); !written) return Failure{written.error()};
    }
    platform::pauseForTest("VOLMIRA_PRINT_PAUSE", "Bericht", "refill");
    Result<std::vector<RwyRouteRow>> readBack = db_.prepare(sql::kReadRwyRoute.c_str())
                                                    .allRows([](const Statement &s) { return rwyRouteTable().read(s); });
    if (!readBack) return readBack;
    if (Result<> committed = tx.commit(); !committed) return Failure{committed.error()};
    return readBack;
}

}  // namespace volmira::store
