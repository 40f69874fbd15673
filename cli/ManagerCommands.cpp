// The database manager headless: the filtered airport list and deleting an airport.
#include "cli/Commands.h"
#include "cli/ManagerFilter.h"
#include "cli/Options.h"
#include "cli/RowJson.h"
#include "cli/Session.h"
#include "manager/CountTexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace volmira::cli {

namespace {

QJsonObject listedAirportJson(const store::ArptRow &row) {
    QJsonObject object = airportJson(row);
    object.insert("LastKat", json(row.LastKat));
    return object;
}

// "j" or "ja" on the next line of standard input, in any letter case.
bool answeredYes() {
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed().toLower();
    return answer == QLatin1String("j") || answer == QLatin1String("ja");
}

}  // namespace

int listCommand(const Options &options) {
    constexpr const char *kUsageLine =
        "list PRÄFIX [--surface hard|grass|any|none|off] [--type VLP|SLP|any|none] [--min-length M] [--json]";
    const std::optional<QString> prefix = listPrefix(options, kUsageLine);
    if (!prefix) return kUsage;
    auto session = openSession(options, store::Database::Mode::ReadOnly);
    if (!session) return kDataError;
    const platform::Result<store::AirportFilter> filter = listFilter(options, session->dataFolder);
    if (!filter) {
        err() << filter.error() << Qt::endl;
        return kUsage;
    }
    const platform::Result<std::vector<store::ArptRow>> found = session->store->lists.airportList(*prefix, *filter);
    if (!found) return failed(found);
    const std::vector<store::ArptRow> &airports = *found;
    if (options.json) {
        QJsonArray rows;
        for (const store::ArptRow &row : airports) rows.append(listedAirportJson(row));
        out() << QJsonDocument(QJsonObject{{"prefix", *prefix}, {"count", int(airports.size())}, {"airports", rows}})
                     .toJson(QJsonDocument::Indented);
    } else {
        const auto length = [](std::optional<int> metres) { return metres ? QString::number(*metres) : QString(); };
        for (const store::ArptRow &row : airports)
            out() << printable(row.ICAO).leftJustified(6) << printable(row.Type).leftJustified(5)
                  << length(row.RwyALen).rightJustified(6) << length(row.RwyGLen).rightJustified(6) << "  "
                  << printable(row.Name) << '\n';
        out() << manager::airportCountText(qint64(airports.size())) << '\n';
    }
    out().flush();
    return airports.empty() ? kNotFound : kDone;
}

int deleteCommand(const Options &options) {
    auto session = openSession(options, store::Database::Mode::ReadWrite);
    if (!session) return kDataError;
    const platform::Result<std::optional<store::ArptRow>> airport =
        session->store->reads.airportByIcao(options.arguments.first().trimmed());
    if (!airport) return failed(airport);
    if (!*airport) {
        err() << store::kNotDeletedMessage << Qt::endl;
        return kNotFound;
    }
    if (!options.isSet("yes")) {
        err() << store::deleteQuestion((*airport)->ICAO, (*airport)->Name) << " (j/n) " << Qt::flush;
        if (!answeredYes()) {
            err() << "Nichts wurde gelöscht." << Qt::endl;
            return kNotFound;
        }
    }
    const platform::Result<std::optional<store::DeletedAirport>> deleted =
        session->store->deletion.deleteAirport((*airport)->ICAO);
    if (!deleted) return failed(deleted);
    if (!*deleted) {  // deleted by another copy of the program meanwhile
        err() << store::kNotDeletedMessage << Qt::endl;
        return kNotFound;
    }
    const store::DeletedAirport &d = **deleted;
    if (options.json) {
        out() << QJsonDocument(QJsonObject{{"ICAO", d.ICAO},
                                           {"Name", d.Name},
                                           {"RWY", d.RWY},
                                           {"ACOM", d.ACOM},
                                           {"ILS", d.ILS},
                                           {"MyInfo", d.MyInfo},
                                           {"MAPDATA", d.MAPDATA}})
                     .toJson(QJsonDocument::Indented);
    } else {
        const auto counted = [](int n, const char *one, const char *many) {
            return QString::number(n) + u' ' + QString::fromUtf8(n == 1 ? one : many);
        };
        out() << "Gelöscht: " << printable(d.ICAO) << " - " << printable(d.Name) << " mit "
              << counted(d.RWY, "Landebahn", "Landebahnen") << ", " << counted(d.ACOM, "Frequenz", "Frequenzen") << ", "
              << counted(d.ILS, "Anflug", "Anflügen") << ", " << counted(d.MyInfo, "Notiz", "Notizen") << ", "
              << counted(d.MAPDATA, "Karte", "Karten") << '\n';
    }
    out().flush();
    return kDone;
}

}  // namespace volmira::cli
