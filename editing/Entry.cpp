#include "editing/Entry.h"

#include "store/DateText.h"

namespace volmira::editing {

QString stampTitle(const QString &date, const QString &time) {
    const QString day = store::germanDateShort(store::parseStoredDate(date));
    if (day.isEmpty()) return QStringLiteral("Letzte Aktualisierung: ---");
    return QStringLiteral("Letzte Aktualisierung: ") + day + QLatin1Char(' ') + time;
}

}  // namespace volmira::editing
