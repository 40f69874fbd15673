#include "browser/AirportLookup.h"
#include "browser/Nearby.h"
#include "cli/Commands.h"
#include "cli/ManagerFilter.h"
#include "cli/Options.h"
#include "cli/Session.h"
#include "platform/NumberText.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace volmira::cli {

namespace {

// --radius NM, a number as a box reads it, above 0 up to the window's largest;
// else the radius kept by the window.
std::optional<double> radiusOption(const Options &options, const QString &dataFolder) {
    if (!options.has("radius")) return browser::readRadius(QDir(dataFolder).filePath(browser::kRadiusFileName));
    const std::optional<double> radius = platform::readNumber(options.value("radius"));
    if (radius && *radius > 0 && *radius <= browser::kMaxRadiusNm) return radius;
    err() << QStringLiteral("Ungültiger Wert für --radius: \"%1\" (über 0 bis %2 NM).")
                 .arg(printable(options.value("radius")))
                 .arg(browser::kMaxRadiusNm)
          << Qt::endl;
    return std::nullopt;
}

int wholeCourse(double degrees) { return browser::courseText(degrees).toInt(); }

QJsonValue optional(const auto &value) { return value ? QJsonValue(*value) : QJsonValue(); }

QJsonObject nearbyJson(const store::ArptRow &centre, double radius, const std::vector<browser::NearbyAirport> &found) {
    QJsonArray airports;
    for (const auto &[a, r] : found)
        airports.append(QJsonObject{{"ICAO", a.ICAO.trimmed()},
                                    {"Name", a.Name},
                                    {"nm", r.nauticalMiles},
                                    {"km", r.kilometres},
                                    {"trueCourse", wholeCourse(r.initialTrue)},
                                    {"magneticCourse", r.initialMagnetic ? QJsonValue(wholeCourse(*r.initialMagnetic)) : QJsonValue()},
                                    {"RwyALen", optional(a.RwyALen)},
                                    {"RwyGLen", optional(a.RwyGLen)},
                                    {"Type", a.Type}});
    return {{"from", centre.ICAO.trimmed()}, {"radiusNm", radius}, {"variation", optional(centre.MAG_VAR)},
            {"airports", airports}};
}

QString course(const std::optional<double> &degrees) {
    return degrees ? browser::courseText(*degrees) + u'°' : QStringLiteral("---");
}

void printNearby(const store::ArptRow &centre, double radius, const std::vector<browser::NearbyAirport> &found) {
    out() << "Flughäfen bis " << browser::distanceText(radius) << " NM um " << printable(centre.ICAO.trimmed()) << " ("
          << printable(centre.Name) << "), Kurse ab " << printable(centre.ICAO.trimmed()) << ": " << found.size()
          << '\n';
    for (const auto &[a, r] : found)
        out() << printable(a.ICAO.trimmed()).leftJustified(5) << ' ' << printable(a.Name).leftJustified(32, u' ', true)
              << browser::distanceText(r.nauticalMiles).rightJustified(7) << " NM"
              << browser::distanceText(r.kilometres).rightJustified(8) << " km  rw " << course(r.initialTrue)
              << "  mw " << course(r.initialMagnetic) << "  Asphalt " << QString::number(a.RwyALen.value_or(0)).rightJustified(4)
              << " m  Gras " << QString::number(a.RwyGLen.value_or(0)).rightJustified(4) << " m  " << printable(a.Type)
              << '\n';
}

}  // namespace

int nearbyCommand(const Options &options) {
    const platform::Result<store::AirportFilter> filter =
        filterOptions(options, {store::SurfaceFilter::Off, store::TypeFilter::Any, 0});
    if (!filter) {
        err() << filter.error() << Qt::endl;
        return kUsage;
    }
    auto session = openSession(options, store::Database::Mode::ReadOnly);
    if (!session) return kDataError;
    const std::optional<double> radius = radiusOption(options, session->dataFolder);
    if (!radius) return kUsage;
    int exit = kDone;
    const QString &code = options.arguments.at(0);
    const std::optional<store::ArptRow> centre = foundAirport(browser::findAirport(*session->store, code), exit, code);
    if (!centre) return exit;
    if (!browser::earthPosition(*centre)) {
        err() << printable(browser::noPositionMessage(*centre)) << Qt::endl;
        return kDataError;
    }
    const auto found = browser::nearbyAirports(session->db, *centre, *radius, *filter);
    if (!found) return failed(found);
    if (options.json)
        out() << QJsonDocument(nearbyJson(*centre, *radius, *found)).toJson(QJsonDocument::Indented);
    else
        printNearby(*centre, *radius, *found);
    out().flush();
    return kDone;
}

}  // namespace volmira::cli
