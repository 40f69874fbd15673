#include "browser/AirportBlock.h"
#include "browser/AirportLookup.h"
#include "browser/Nearby.h"
#include "browser/Route.h"
#include "cli/Commands.h"
#include "cli/Options.h"
#include "cli/Session.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace volmira::cli {

namespace {

// A course as the text shows it, as a whole number.
int wholeCourse(double degrees) { return browser::courseText(degrees).toInt(); }

QJsonObject routeJson(const store::ArptRow &from, const store::ArptRow &to, const browser::Route &r) {
    return {{"from", from.ICAO.trimmed()},
            {"to", to.ICAO.trimmed()},
            {"nm", r.nauticalMiles},
            {"km", r.kilometres},
            {"trueCourse", wholeCourse(r.initialTrue)},
            {"magneticCourse", r.initialMagnetic ? QJsonValue(wholeCourse(*r.initialMagnetic)) : QJsonValue()},
            {"finalTrueCourse", wholeCourse(r.finalTrue)},
            {"variation", from.MAG_VAR ? QJsonValue(*from.MAG_VAR) : QJsonValue()}};
}

void printRoute(const store::ArptRow &from, const store::ArptRow &to, const browser::Route &r) {
    const QString departure = printable(from.ICAO.trimmed());
    out() << departure << " → " << printable(to.ICAO.trimmed()) << ": " << browser::distanceText(r.nauticalMiles)
          << " NM (" << browser::distanceText(r.kilometres) << " km)\n";
    out() << "Anfangskurs rechtweisend: " << browser::courseText(r.initialTrue) << "°\n";
    out() << "Anfangskurs missweisend:  "
          << (r.initialMagnetic ? browser::courseText(*r.initialMagnetic) + u'°' : QStringLiteral("---")) << " ("
          << browser::variationText(from.MAG_VAR) << " in " << departure << ")\n";
    out() << "Endkurs rechtweisend:     " << browser::courseText(r.finalTrue) << "°\n";
}

}  // namespace

int distanceCommand(const Options &options) {
    auto session = openSession(options, store::Database::Mode::ReadOnly);
    if (!session) return kDataError;
    int exit = kDone;
    const QString &fromCode = options.arguments.at(0), &toCode = options.arguments.at(1);
    const std::optional<store::ArptRow> from = foundAirport(browser::findAirport(*session->store, fromCode), exit, fromCode);
    if (!from) return exit;
    const std::optional<store::ArptRow> to = foundAirport(browser::findAirport(*session->store, toCode), exit, toCode);
    if (!to) return exit;
    const std::optional<browser::Position> start = browser::earthPosition(*from), end = browser::earthPosition(*to);
    if (!start || !end) {
        const store::ArptRow &without = start ? *to : *from;
        err() << printable(browser::noPositionMessage(without)) << Qt::endl;
        return kDataError;
    }
    const browser::Route r = browser::route(*start, *end, from->MAG_VAR);
    if (options.json)
        out() << QJsonDocument(routeJson(*from, *to, r)).toJson(QJsonDocument::Indented);
    else
        printRoute(*from, *to, r);
    out().flush();
    return kDone;
}

}  // namespace volmira::cli
