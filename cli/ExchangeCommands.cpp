#include "cli/CommandTable.h"
#include "cli/Commands.h"
#include "cli/ExportSelection.h"
#include "cli/Options.h"
#include "cli/Session.h"
#include "manager/CountTexts.h"
#include "store/DateText.h"
#include "store/exchange/ExchangeExport.h"
#include "store/exchange/UpdateImport.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace volmira::cli {

int changedCommand(const Options &options) {
    auto session = openSession(options, store::Database::Mode::ReadOnly);
    if (!session) return kDataError;
    const platform::Result<std::vector<store::ArptRow>> found = session->store->lists.changedAirports();
    if (!found) return failed(found);
    const std::vector<store::ArptRow> &changed = *found;
    if (options.json) {
        QJsonArray rows;
        for (const auto &a : changed)
            rows.append(QJsonObject{{"ICAO", a.ICAO}, {"Name", a.Name}, {"LastDate", a.LastDate}});
        out() << QJsonDocument(rows).toJson(QJsonDocument::Indented);
    } else {
        out() << manager::changedAirportsText(qint64(changed.size())) << '\n';
        for (const auto &a : changed)
            out() << printable(a.ICAO).leftJustified(6) << printable(a.LastDate) << "  " << printable(a.Name) << '\n';
    }
    out().flush();
    return kDone;
}

int exportCommand(const Options &options) {
    if (exportLineFaulty(options)) return refuseLine(options, QStringLiteral("--all und --icao schließen sich aus."));
    auto session = openSession(options, store::Database::Mode::ReadOnly);
    if (!session) return kDataError;
    const platform::Result<QStringList> codes = exportSelection(options, *session->store);
    if (!codes) return failed(codes);
    if (codes->isEmpty() && !options.isSet("all") && !options.has("icao")) {
        // Nothing changed: no file, as in the database manager.
        err() << manager::changedAirportsText(0) << Qt::endl;
        return kNotFound;
    }
    const QString file = exportFile(options, session->dataFolder);
    const platform::Result<store::exchange::ExportCounts> result =
        store::exchange::exportAirports(*session->store, *codes, file);
    if (!result) {
        err() << result.error() << Qt::endl;
        return kDataError;
    }
    if (options.json)
        out() << QJsonDocument(QJsonObject{{"airports", result->airports}, {"records", result->records}})
                     .toJson(QJsonDocument::Indented);
    else if (result->airports == 0)
        err() << "Keiner der genannten Flughäfen ist in der Datenbank; es wurde nichts geschrieben." << Qt::endl;
    else
        out() << manager::exportWrittenText(result->airports, result->records, file) << '\n';
    out().flush();
    return result->airports > 0 ? kDone : kNotFound;
}

int importCommand(const Options &options) {
    // Stored the way the shipped database holds its version: dd.mm.yyyy.
    const QString version = options.has("data-version")
                                ? store::defaultDateText(store::parseStoredDate(options.value("data-version")))
                                : QString();
    if (options.has("data-version") && version.isEmpty()) {
        err() << "Ungültige Datenversion: " << options.value("data-version") << " (erwartet TT.MM.JJJJ)" << Qt::endl;
        return kUsage;
    }
    auto session = openSession(options, store::Database::Mode::ReadWrite);
    if (!session) return kDataError;
    const platform::Result<store::exchange::ImportOutcome> result = store::exchange::importUpdate(
        *session->store, {QFileInfo(options.arguments.first()).absoluteFilePath(), session->dataFolder, version},
        drawProgress);
    if (!result) {
        err() << '\n' << result.error() << "\nDie Datenbank wurde nicht verändert." << Qt::endl;
        return kDataError;
    }
    if (!result->warning.isEmpty()) err() << result->warning << Qt::endl;
    const store::exchange::ImportCounts &c = result->counts;
    if (options.json) {
        out() << QJsonDocument(QJsonObject{{"airportsReplaced", c.airportsReplaced},
                                           {"frequencies", c.frequencies},
                                           {"approaches", c.approaches},
                                           {"runways", c.runways},
                                           {"notesAdded", c.notesAdded},
                                           {"notesSkipped", c.notesSkipped},
                                           {"unknownRows", c.unknownRows},
                                           {"withoutAirport", c.withoutAirport},
                                           {"duplicates", c.duplicates},
                                           {"cutTexts", c.cutTexts},
                                           {"ignoredValues", c.ignoredValues}})
                     .toJson(QJsonDocument::Indented);
    } else {
        out() << "Flughäfen ersetzt:             " << c.airportsReplaced << '\n'
              << "Frequenzen hinzugefügt:        " << c.frequencies << '\n'
              << "Anflüge hinzugefügt:           " << c.approaches << '\n'
              << "Landebahnen hinzugefügt:       " << c.runways << '\n'
              << "Notizen hinzugefügt:           " << c.notesAdded << '\n'
              << "Notizen übersprungen:          " << c.notesSkipped << " (Kategorie beim Benutzer schon vorhanden)\n"
              << "Datensätze unbekannter Art:    " << c.unknownRows << '\n'
              << "Zeilen ohne Flughafen:         " << c.withoutAirport << " (übersprungen)\n"
              << "Doppelte Zeilen:               " << c.duplicates << " (übersprungen)\n"
              << "Gekürzte Texte:                " << c.cutTexts << " (länger als ihre Spalte)\n"
              << "Ignorierte Werte:              " << c.ignoredValues << " (Spalte nicht im Schema der Datei)\n";
    }
    out().flush();
    return result->warning.isEmpty() ? kDone : kDataError;
}

}  // namespace volmira::cli
