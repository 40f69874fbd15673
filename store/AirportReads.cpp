#include "store/AirportReads.h"

#include "store/Statements.h"
#include "store/Tables.h"
#include "store/TextKeys.h"

#include <algorithm>

namespace volmira::store {

using platform::Result;

namespace {

// Runs a query bound to one ICAO code and reads every row with the reader.
template <typename Reader>
auto rowsOf(Database &db, const std::string &sql, const QString &icao, Reader read) {
    Statement &s = db.prepare(sql.c_str());
    s.bind(1, icao);
    return s.allRows(read);
}

// The highest code point: every name that starts with a prefix sorts below prefix + this.
const QString kAfterEverything = QString::fromUcs4(U"\U0010FFFF");

}  // namespace

Result<std::optional<ArptRow>> AirportReads::airportByIcao(const QString &icao) {
    Statement &s = db_.prepare(sql::kAirportByIcao.c_str());
    s.bind(1, icao);
    return s.firstRow([](const Statement &row) { return arptTable().read(row); });
}

Result<std::optional<QString>> AirportReads::icaoForIata(const QString &iata) {
    Statement &s = db_.prepare("SELECT ICAO FROM AirportCode WHERE IATA = ? LIMIT 1");
    s.bind(1, iata);
    return s.firstRow([](const Statement &row) { return row.text(0); });
}

Result<std::vector<RwyRow>> AirportReads::runways(const QString &icao) {
    return rowsOf(db_, sql::kRunways, icao, [](const Statement &s) { return rwyTable().read(s); });
}

Result<std::vector<AcomRow>> AirportReads::frequencies(const QString &icao) {
    return rowsOf(db_, sql::kFrequencies, icao, [](const Statement &s) { return acomTable().read(s); });
}

Result<std::vector<IlsRow>> AirportReads::approaches(const QString &icao) {
    return rowsOf(db_, sql::kApproaches, icao, [](const Statement &s) { return ilsTable().read(s); });
}

Result<std::vector<ChangeStamp>> AirportReads::changeStamps(const QString &icao) {
    return rowsOf(db_, sql::kChangeStamps, icao,
                  [](const Statement &s) { return ChangeStamp{s.text(1), s.text(2), s.text(3)}; });
}

Result<std::vector<NameHit>> AirportReads::findByName(const QString &prefix) {
    const QString key = foldName(prefix);
    Statement &s = db_.prepare(sql::kNamePrefix);
    s.bind(1, key).bind(2, key + kAfterEverything);
    Result<std::vector<NameHit>> hits = s.allRows([](const Statement &row) {
        return NameHit{row.text(0), row.text(1)};
    });
    if (!hits) return hits;
    // Names of one sort key in code-point order, then by code, so that the order does not depend on the engine.
    std::sort(hits->begin(), hits->end(), [](const NameHit &a, const NameHit &b) {
        return a.NAME != b.NAME ? a.NAME < b.NAME : a.ICAO < b.ICAO;
    });
    return sortedGerman(std::move(*hits), [](const NameHit &hit) { return hit.NAME; });
}

Result<std::vector<NameHit>> AirportReads::namesOf(const QStringList &icaos) {
    if (icaos.isEmpty()) return std::vector<NameHit>{};
    // One placeholder per code: the statement is cached for each count.
    QString sql = QStringLiteral("SELECT Name, ICAO FROM ARPT WHERE ICAO IN (?");
    sql += QStringLiteral(",?").repeated(icaos.size() - 1) + u')';
    Statement &s = db_.prepare(sql.toUtf8().constData());
    for (qsizetype i = 0; i < icaos.size(); ++i) s.bind(int(i + 1), icaos[i]);
    return s.allRows([](const Statement &row) { return NameHit{row.text(0), row.text(1)}; });
}

}  // namespace volmira::store
