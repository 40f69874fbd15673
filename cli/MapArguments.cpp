#include "cli/MapArguments.h"

#include "store/MapStore.h"

namespace volmira::cli {

std::optional<int> slotNumber(const QString &text) {
    bool ok = false;
    const int number = text.toInt(&ok);
    if (ok && number >= 0 && number < store::kMapSlots && text.trimmed() == text) return number;
    err() << QStringLiteral("Die Kartennummer muss eine Zahl von 0 bis 9 sein, nicht \"%1\".").arg(printable(text))
          << Qt::endl;
    return std::nullopt;
}

std::optional<QString> airportCode(Session &session, const QString &code, int &exit) {
    const std::optional<store::ArptRow> found = foundAirport(browser::findAirport(*session.store, code), exit);
    if (!found) return std::nullopt;
    return found->ICAO;
}

}  // namespace volmira::cli
