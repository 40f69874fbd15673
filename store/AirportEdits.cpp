#include "store/AirportEdits.h"

#include "store/AirportLists.h"
#include "store/Tables.h"

namespace volmira::store {

platform::Result<> AirportEdits::setLastDate(const QString &icao, const QString &date) {
    return db_.prepare("UPDATE ARPT SET LastDate = ? WHERE ICAO = ?").bind(1, date).bind(2, icao).run();
}

platform::Result<> AirportEdits::insertAirport(const ArptRow &r) { return insertRow(db_, arptTable(), r); }

platform::Result<> AirportEdits::replaceAirport(const ArptRow &r) {
    static const std::string sql = arptTable().update("Name", "Time", ", LastDate = NULL WHERE ICAO = ?");
    Statement &s = db_.prepare(sql.c_str());
    platform::Result<> updated = s.bind(arptTable().bind(s, r, "Name", "Time"), r.ICAO).run();
    if (!updated || db_.changes() > 0) return updated;
    ArptRow fresh = r;
    fresh.LastDate = fresh.LastKat = QString();
    return insertAirport(fresh);
}

platform::Result<> AirportEdits::insertRunway(const RwyRow &r) { return insertRow(db_, rwyTable(), r); }

platform::Result<> AirportEdits::insertFrequency(const AcomRow &r) { return insertRow(db_, acomTable(), r); }

platform::Result<> AirportEdits::insertApproach(const IlsRow &r) { return insertRow(db_, ilsTable(), r); }

platform::Result<> AirportEdits::insertAirportCode(const AirportCodeRow &r) {
    return insertRow(db_, airportCodeTable(), r);
}

platform::Result<> AirportEdits::insertCountry(const IcaoCodeRow &r) { return insertRow(db_, icaoCodeTable(), r); }

platform::Result<> AirportEdits::setProgramVersion(const QString &programVersion) {
    const platform::Result<std::optional<VersionRow>> row = AirportLists(db_).version();
    if (!row) return platform::Failure{row.error()};
    VersionRow changed = row->value_or(VersionRow{});
    changed.ProgramVersion = programVersion;
    return setVersion(changed);
}

platform::Result<> AirportEdits::setDatabaseVersion(const QString &databaseVersion) {
    const platform::Result<std::optional<VersionRow>> row = AirportLists(db_).version();
    if (!row) return platform::Failure{row.error()};
    VersionRow changed = row->value_or(VersionRow{});
    changed.DatabaseVersion = databaseVersion;
    return setVersion(changed);
}

platform::Result<> AirportEdits::setVersion(const VersionRow &r) {
    Transaction tx(db_);
    if (platform::Result<> removed = db_.prepare("DELETE FROM Version").run(); !removed) return removed;
    if (platform::Result<> inserted = insertRow(db_, versionTable(), r); !inserted) return inserted;
    return tx.commit();
}

}  // namespace volmira::store
