#include "manager/CountTexts.h"

namespace volmira::manager {

QString airportCountText(qint64 count) {
    return count == 1 ? QStringLiteral("1 Flughafen") : QStringLiteral("%1 Flughäfen").arg(count);
}

QString totalAirportsText(qint64 count) { return QStringLiteral("Insgesamt %1 Flughäfen").arg(count); }

QString changedAirportsText(qint64 count) {
    if (count == 0) return QStringLiteral("Keine aktualisierten Daten vorhanden");
    if (count == 1) return QStringLiteral("1 aktualisierter Flugplatz vorhanden");
    return QStringLiteral("%1 aktualisierte Flugplätze vorhanden").arg(count);
}

QString exportWrittenText(qint64 airports, qint64 records, const QString &file) {
    const QString recordText = records == 1 ? QStringLiteral("1 Datensatz") : QStringLiteral("%1 Datensätzen").arg(records);
    return QStringLiteral("%1 mit %2 nach %3 geschrieben.").arg(airportCountText(airports), recordText, file);
}

}  // namespace volmira::manager
