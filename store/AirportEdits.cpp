#include "store/AirportEdits.h"

#include "store/AirportLists.h"
#include "store/Tables.h"

namespace volmira::store {

QString AirportEdits::setLastDate(const QString &icao, const QString &date) {
    return db_.prepare("UPDATE ARPT SET LastDate = ? WHERE ICAO = ?").bind(1, date).bind(2, icao).run();
}

QString AirportEdits::insertAirport(const ArptRow &r) { return insertRow(db_, arptTable(), r); }

QString AirportEdits::replaceAirport(const ArptRow &r) {
    static const std::string sql = arptTable().update("Name", "Time", ", LastDate = NULL WHERE ICAO = ?");
    Statement &s = db_.prepare(sql.c_str());
    const QString error = s.bind(arptTable().bind(s, r, "Name", "Time"), r.ICAO).run();
    if (!error.isEmpty() || db_.changes() > 0) return error;
    ArptRow fresh = r;
    fresh.LastDate = fresh.LastKat = QString();
    return insertAirport(fresh);
}

QString AirportEdits::insertRunway(const RwyRow &r) { return insertRow(db_, rwyTable(), r); }

QString AirportEdits::insertFrequency(const AcomRow &r) { return insertRow(db_, acomTable(), r); }

QString AirportEdits::insertApproach(const IlsRow &r) { return insertRow(db_, ilsTable(), r); }

QString AirportEdits::insertAirportCode(const AirportCodeRow &r) { return insertRow(db_, airportCodeTable(), r); }

QString AirportEdits::insertCountry(const IcaoCodeRow &r) { return insertRow(db_, icaoCodeTable(), r); }

QString AirportEdits::setProgramVersion(const QString &programVersion) {
    const platform::Result<std::optional<VersionRow>> row = AirportLists(db_).version();
    if (!row) return row.error();
    VersionRow changed = row->value_or(VersionRow{});
    changed.ProgramVersion = programVersion;
    return setVersion(changed);
}

QString AirportEdits::setDatabaseVersion(const QString &databaseVersion) {
    const platform::Result<std::optional<VersionRow>> row = AirportLists(db_).version();
    if (!row) return row.error();
    VersionRow changed = row->value_or(VersionRow{});
    changed.DatabaseVersion = databaseVersion;
    return setVersion(changed);
}

QString AirportEdits::setVersion(const VersionRow &r) {
    Transaction tx(db_);
    if (QString e = db_.prepare("DELETE FROM Version").run(); !e.isEmpty()) return e;
    if (QString e = insertRow(db_, versionTable(), r); !e.isEmpty()) return e;
    return tx.commit();
}

}  // namespace volmira::store
