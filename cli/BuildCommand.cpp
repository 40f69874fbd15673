#include "cli/CommandTable.h"
#include "cli/Commands.h"
#include "cli/Options.h"
#include "cli/Session.h"
#include "store/shipped/BuildDatabase.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>

#include "Version.h"

namespace volmira::cli {

int buildDatabaseCommand(const Options &options) {
    if (!options.has("from") || !options.has("out"))
        return refuseLine(options, QStringLiteral("--from und --out sind nötig."));
    store::shipped::BuildOptions build;
    build.sourceDir = options.value("from");
    build.outFile = options.value("out");
    // The magnetic model lies beside the airport data in the bundled data folder.
    build.wmmDir = options.has("wmm") ? options.value("wmm")
                                      : QDir(build.sourceDir).filePath(QStringLiteral("../wmm/magnetic"));
    build.dataDate = options.value("data-date");
    build.programVersion = QString::fromLatin1(kProgramVersion);

    QElapsedTimer timer;
    timer.start();
    const store::shipped::BuildReport report = store::shipped::buildDatabase(build);
    if (!report.error.isEmpty()) {
        err() << report.error << Qt::endl;
        return kDataError;
    }
    const qint64 ms = timer.elapsed();
    if (options.json) {
        out() << QJsonDocument(QJsonObject{{"dataDate", report.dataDate},
                                           {"airports", report.airports},
                                           {"runways", report.runways},
                                           {"frequencies", report.frequencies},
                                           {"iataCodes", report.iataCodes},
                                           {"countries", report.countries},
                                           {"cities", report.cities},
                                           {"otherNames", report.otherNames},
                                           {"airportsWithoutCoordinates", report.airportsWithoutCoordinates},
                                           {"elevationsOutOfRange", report.elevationsOutOfRange},
                                           {"runwaysWithoutLength", report.runwaysWithoutLength},
                                           {"runwaysWithoutDesignator", report.runwaysWithoutDesignator},
                                           {"helipads", report.helipads},
                                           {"runwaysWithoutAirport", report.runwaysWithoutAirport},
                                           {"runwaysOutOfRange", report.runwaysOutOfRange},
                                           {"frequenciesWithoutValue", report.frequenciesWithoutValue},
                                           {"frequenciesOutOfRange", report.frequenciesOutOfRange},
                                           {"frequenciesWithoutAirport", report.frequenciesWithoutAirport},
                                           {"textsFitted", report.textsFitted},
                                           {"duplicateRows", report.duplicateRows},
                                           {"milliseconds", ms}})
                     .toJson(QJsonDocument::Indented);
    } else {
        out() << "Datenbank " << build.outFile << " (Datenstand " << report.dataDate << ") erstellt in " << ms
              << " ms\n"
              << "  Flughäfen:       " << report.airports << " (ohne Koordinaten übersprungen: "
              << report.airportsWithoutCoordinates << "; unmögliche Höhe weggelassen: "
              << report.elevationsOutOfRange << ")\n"
              << "  Landebahnen:     " << report.runways << " (ohne Länge übersprungen: " << report.runwaysWithoutLength
              << ", ohne brauchbare Kennung übersprungen: " << report.runwaysWithoutDesignator
              << ", Hubschrauberlandeplätze übersprungen: " << report.helipads
              << ", ohne Flughafen übersprungen: " << report.runwaysWithoutAirport
              << ", mit unmöglicher Länge oder Breite übersprungen: " << report.runwaysOutOfRange << ")\n"
              << "  Frequenzen:      " << report.frequencies << " (ohne Frequenzwert übersprungen: "
              << report.frequenciesWithoutValue << ", mit unmöglichem Wert übersprungen: "
              << report.frequenciesOutOfRange << ", ohne Flughafen übersprungen: " << report.frequenciesWithoutAirport
              << ")\n"
              << "  IATA-Codes:      " << report.iataCodes << '\n'
              << "  Gekürzte Texte:  " << report.textsFitted << " (länger als ihre Spalte)\n"
              << "  Doppelte Zeilen: " << report.duplicateRows << " (übersprungen)\n"
              << "  Länderkennungen: " << report.countries << '\n'
              << "  Orte:            " << report.cities << " (Flughäfen mit Ortsnamen)\n"
              << "  Andere Namen:    " << report.otherNames << '\n';
    }
    out().flush();
    return kDone;
}

}  // namespace volmira::cli
