#include "store/AirportDeletion.h"

#include "platform/TestPause.h"
#include "store/ManagerStatements.h"

namespace volmira::store {

using platform::Failure;
using platform::Result;

Result<std::optional<DeletedAirport>> AirportDeletion::deleteAirport(const QString &icao) {
    Transaction tx(db_);
    if (!tx.started()) return Failure{tx.startError()};
    Statement &find = db_.prepare("SELECT ICAO, Name FROM ARPT WHERE ICAO = ?");
    find.bind(1, icao.trimmed());
    const Result<std::optional<DeletedAirport>> found =
        find.firstRow([](const Statement &row) { return DeletedAirport{row.text(0), row.text(1)}; });
    if (!found || !*found) return found;
    DeletedAirport deleted = **found;
    // Search names and the airport row are not counted.
    int *const counts[] = {&deleted.RWY, &deleted.ACOM, &deleted.ILS, &deleted.MyInfo, &deleted.MAPDATA,
                           nullptr, nullptr};
    for (std::size_t i = 0; i < sql::kDeleteAirport.size(); ++i) {
        Statement &s = db_.prepare(sql::kDeleteAirport[i].sql);
        s.bind(1, deleted.ICAO);
        if (Result<> ran = s.run(); !ran) return Failure{ran.error()};
        if (counts[i]) *counts[i] = db_.changes();
        // The crash tests stop here with VOLMIRA_DELETE_PAUSE=<table> and kill the process.
        platform::pauseForTest("VOLMIRA_DELETE_PAUSE", "Löschen", sql::kDeleteAirport[i].table);
    }
    if (Result<> committed = tx.commit(); !committed) return Failure{committed.error()};
    return std::optional<DeletedAirport>(deleted);
}

}  // namespace volmira::store
