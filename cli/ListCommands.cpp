#include "cli/Commands.h"
#include "cli/Options.h"
#include "cli/Session.h"
#include "manager/CountTexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace volmira::cli {

int findCommand(const Options &options) {
    auto session = openSession(options, store::Database::Mode::ReadOnly);
    if (!session) return kDataError;
    const platform::Result<std::vector<store::FoundAirport>> found =
        session->store->reads.findAirports(options.arguments.first());
    if (!found) return failed(found);
    const std::vector<store::FoundAirport> &hits = *found;
    if (options.json) {
        QJsonArray array;
        for (const store::FoundAirport &hit : hits)
            array.append(QJsonObject{{"ICAO", hit.ICAO},
                                     {"NAME", hit.NAME},
                                     {"Ort", hit.City},
                                     {"Land", hit.Country},
                                     {"Treffer", store::sourceText(hit.source).toString()}});
        out() << QJsonDocument(array).toJson(QJsonDocument::Indented);
    } else {
        for (const store::FoundAirport &hit : hits)
            out() << printable(hit.ICAO) << "  " << printable(hit.NAME) << "  " << printable(hit.City) << "  "
                  << printable(hit.Country) << "  " << store::sourceText(hit.source) << '\n';
    }
    out().flush();
    if (!hits.empty()) return kDone;
    // As the window's list says it.
    err() << "kein Treffer" << Qt::endl;
    return kNotFound;
}

int countriesCommand(const Options &options) {
    auto session = openSession(options, store::Database::Mode::ReadOnly);
    if (!session) return kDataError;
    const platform::Result<std::vector<store::CountryRow>> countries = session->store->lists.countries();
    if (!countries) return failed(countries);
    const platform::Result<int> count = session->store->lists.airportCount();
    if (!count) return failed(count);
    const std::vector<store::CountryRow> &rows = *countries;
    const int total = *count;
    if (options.json) {
        QJsonArray array;
        for (const store::CountryRow &row : rows)
            array.append(QJsonObject{{"ICAO", row.ICAO}, {"Name", row.Name}, {"Anzahl", row.Anzahl}});
        out() << QJsonDocument(QJsonObject{{"total", total}, {"countries", array}}).toJson(QJsonDocument::Indented);
    } else {
        for (const store::CountryRow &row : rows)
            out() << printable(row.ICAO) << "  " << qSetFieldWidth(6) << Qt::right << row.Anzahl << qSetFieldWidth(0)
                  << Qt::left << "  " << printable(row.Name) << '\n';
        out() << manager::totalAirportsText(total) << '\n';
    }
    out().flush();
    return kDone;
}

}  // namespace volmira::cli
