#include "manager/ReportPreparation.h"

#include "store/AirportLists.h"
#include "store/Database.h"
#include "store/ReportStore.h"

#include <unordered_map>

namespace volmira::manager {

using platform::Failure;
using platform::Result;

namespace {

// Codes as the store compares them: ASCII letters without regard to case.
QString codeKey(const QString &icao) {
    QString key = icao;
    for (QChar &c : key)
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 'a' + 'A');
    return key;
}

// Each row of the reads to the source of its airport; rows of unlisted airports are left out.
template <typename Row>
void distribute(std::vector<Row> &rows, std::unordered_map<QString, ReportSource *> &sources,
                std::vector<Row> ReportSource::*member) {
    for (Row &row : rows)
        if (auto it = sources.find(codeKey(row.ICAO)); it != sources.end()) (it->second->*member).push_back(std::move(row));
}

}  // namespace

std::vector<store::RwyRouteRow> routeRows(const std::vector<ReportAirport> &airports) {
    std::vector<store::RwyRouteRow> rows;
    for (const ReportAirport &a : airports)
        for (const ReportRunway &r : a.cmdGroup)
            rows.push_back({a.Index, a.ICAO, a.Name, a.aType, a.ELEV, a.PR, a.Coord, a.Var, a.Frequenzen, r.RWY, r.ILS,
                            r.OM, r.Length, r.Width, r.Type, r.Kontakt});
    return rows;
}

std::vector<ReportAirport> routeAirports(const std::vector<store::RwyRouteRow> &rows) {
    std::vector<ReportAirport> airports;
    for (const store::RwyRouteRow &row : rows) {
        if (airports.empty() || airports.back().Index != row.Index)
            airports.push_back({row.Index, row.ICAO, row.Name, row.aType, row.ELEV, row.PR, row.Coord, row.Var,
                                row.Frequenzen, {}});
        airports.back().cmdGroup.push_back({row.RWY, row.Length, row.Width, row.Type, row.ILS, row.OM, row.Kontakt});
    }
    return airports;
}

Result<std::vector<ReportAirport>> prepareReport(store::Database &db, const QString &prefix,
                                                 const store::AirportFilter &filter, const ReportProgress &progress) {
    // Reads and rewrite in one transaction, so that the list sees one state of the data.
    store::Transaction tx(db);
    if (!tx.started()) return Failure{tx.startError()};
    Result<std::vector<store::ArptRow>> selection = store::AirportLists(db).airportList(prefix, filter);
    if (!selection) return Failure{selection.error()};
    const int count = int(selection->size());
    if (progress) progress(0, count);
    Result<store::ReportReads> reads = store::ReportStore(db).reads(prefix, kContactCategory.toString());
    if (!reads) return Failure{reads.error()};

    std::vector<ReportSource> sources(selection->size());
    std::unordered_map<QString, ReportSource *> byCode;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        sources[i].airport = std::move((*selection)[i]);
        byCode.emplace(codeKey(sources[i].airport.ICAO), &sources[i]);
    }
    distribute(reads->runways, byCode, &ReportSource::runways);
    distribute(reads->approaches, byCode, &ReportSource::approaches);
    distribute(reads->frequencies, byCode, &ReportSource::frequencies);
    distribute(reads->contacts, byCode, &ReportSource::contacts);

    std::vector<ReportAirport> airports;
    airports.reserve(sources.size());
    for (int i = 0; i < count; ++i) {
        airports.push_back(reportAirport(i + 1, sources[std::size_t(i)]));
        if (progress) progress(i + 1, count);
    }
    Result<std::vector<store::RwyRouteRow>> readBack = store::ReportStore(db).rewriteRoute(routeRows(airports));
    if (!readBack) return Failure{readBack.error()};
    if (Result<> committed = tx.commit(); !committed) return Failure{committed.error()};
    return routeAirports(*readBack);
}

}  // namespace volmira::manager
