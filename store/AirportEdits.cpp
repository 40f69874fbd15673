#include "store/AirportEdits.h"

#include "store/AirportLists.h"
#include "store/SearchNames.h"
#include "store/Tables.h"

namespace volmira::store {

platform::Result<> AirportEdits::setLastDate(const QString &icao, const QString &date) {
    return db_.prepare("UPDATE ARPT SET LastDate = ? WHERE ICAO = ?").bind(1, date).bind(2, icao).run();
}

// The name's words are found by the quick find: written with the name, in one transaction.
platform::Result<> AirportEdits::insertAirport(const ArptRow &r) {
    Transaction tx(db_);
    if (!tx.started()) return platform::Failure{tx.startError()};
    if (platform::Result<> inserted = insertRow(db_, arptTable(), r); !inserted) return inserted;
    if (platform::Result<> words = writeNameWords(db_, r.ICAO, r.Name); !words) return words;
    return tx.commit();
}

// The city and other names stay: the exchange file does not carry them.
platform::Result<> AirportEdits::replaceAirport(const ArptRow &r) {
    Transaction tx(db_);
    if (!tx.started()) return platform::Failure{tx.startError()};
    static const std::string sql = arptTable().update("Name", "Time", ", LastDate = NULL WHERE ICAO = ?");
    Statement &s = db_.prepare(sql.c_str());
    platform::Result<> updated = s.bind(arptTable().bind(s, r, "Name", "Time"), r.ICAO).run();
    if (!updated) return updated;
    if (db_.changes() > 0) updated = writeNameWords(db_, r.ICAO, r.Name);
    else {
        ArptRow fresh = r;
        fresh.LastDate = fresh.LastKat = QString();
        updated = insertAirport(fresh);
    }
    if (!updated) return updated;
    return tx.commit();
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
    if (!tx.started()) return platform::Failure{tx.startError()};
    if (platform::Result<> removed = db_.prepare("DELETE FROM Version").run(); !removed) return removed;
    if (platform::Result<> inserted = insertRow(db_, versionTable(), r); !inserted) return inserted;
    return tx.commit();
}

}  // namespace volmira::store
