#include "cli/ExportSelection.h"

#include "cli/Options.h"

#include <QDir>

namespace volmira::cli {

platform::Result<QStringList> exportSelection(const Options &options, store::AirportStore &store) {
    if (options.isSet("all")) return store.lists.airportCodes();
    QStringList codes;
    if (options.has("icao")) {
        for (const QString &code : options.value("icao").split(u',', Qt::SkipEmptyParts)) codes << code.trimmed();
        return codes;
    }
    const platform::Result<std::vector<store::ArptRow>> changed = store.lists.changedAirports();
    if (!changed) return platform::Failure{changed.error()};
    for (const auto &airport : *changed) codes << airport.ICAO;
    return codes;
}

QString exportFile(const Options &options, const QString &dataFolder) {
    return options.arguments.isEmpty() ? QDir(dataFolder).filePath(QStringLiteral("export.crm"))
                                       : options.arguments.first();
}

bool exportLineFaulty(const Options &options) {
    return options.isSet("all") && options.has("icao");
}

}  // namespace volmira::cli
