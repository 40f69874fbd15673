#include "store/AirportLists.h"

#include "store/DateText.h"
#include "store/ManagerStatements.h"
#include "store/Statements.h"
#include "store/Tables.h"
#include "store/TextKeys.h"

namespace volmira::store {

using platform::Failure;
using platform::Result;

Result<std::vector<CountryRow>> AirportLists::countries() {
    Result<std::vector<CountryRow>> rows = db_.prepare(sql::kCountries).allRows([](const Statement &s) {
        const std::optional<QString> name = s.optText(2);
        return CountryRow{s.text(0).trimmed(), name ? name->trimmed() : QStringLiteral("Kein Land gefunden"),
                          s.integer(1)};
    });
    if (!rows) return rows;
    return sortedGerman(std::move(*rows), [](const CountryRow &row) { return row.Name; });
}

Result<int> AirportLists::airportCount() {
    Result<std::optional<int>> count =
        db_.prepare("SELECT count(*) FROM ARPT").firstRow([](const Statement &row) { return row.integer(0); });
    if (!count) return Failure{count.error()};
    return count->value_or(0);
}

Result<std::vector<ArptRow>> AirportLists::airportList(const QString &prefix, const AirportFilter &filter) {
    Statement &s = db_.prepare(sql::airportList(filter.surface, filter.type).c_str());
    s.bind(1, prefix).bind(2, prefix + QString::fromUcs4(U"\U0010FFFF"));
    if (sql::usesMinLength(filter.surface)) s.bind(3, filter.minLength);
    return s.allRows([](const Statement &row) { return arptTable().read(row); });
}

Result<QStringList> AirportLists::airportCodes() {
    Result<std::vector<QString>> codes =
        db_.prepare("SELECT ICAO FROM ARPT ORDER BY ICAO").allRows([](const Statement &s) { return s.text(0); });
    if (!codes) return Failure{codes.error()};
    return QStringList(codes->begin(), codes->end());
}

Result<std::vector<ArptRow>> AirportLists::changedAirports() {
    const Result<std::optional<VersionRow>> v = version();
    if (!v) return Failure{v.error()};
    const QDate since = *v ? parseStoredDate((*v)->DatabaseVersion) : QDate();
    Statement &s = db_.prepare(sql::kChangedAirports.c_str());
    s.bind(1, since.isValid() ? storedDateText(since) : QStringLiteral(""));
    return s.allRows([](const Statement &row) { return arptTable().read(row); });
}

Result<std::optional<VersionRow>> AirportLists::version() {
    static const std::string sql = versionTable().select("LIMIT 1");
    return db_.prepare(sql.c_str()).firstRow([](const Statement &row) { return versionTable().read(row); });
}

}  // namespace volmira::store
