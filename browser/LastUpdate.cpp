#include "browser/LastUpdate.h"

#include "store/DateText.h"
#include "store/LastDate.h"

#include <QDate>

namespace volmira::browser {

namespace {

const QString kTitleStart = QStringLiteral("Volmira ");
const QString kTitleMiddle = QStringLiteral("                           Letzte Aktualisierung - ");

// Trailing blanks only: a category name may begin with blanks.
QString withoutTrailingBlanks(const QString &text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' ')) --end;
    return text.left(end);
}

}  // namespace

LastUpdate lastUpdate(const QString &icao, const std::vector<store::ChangeStamp> &stamps) {
    const std::optional<store::ChangeStamp> newest = store::newestChange(stamps);
    if (!newest) return {kTitleStart + icao + kTitleMiddle + QStringLiteral("---"), QString()};
    return {kTitleStart + icao + kTitleMiddle + withoutTrailingBlanks(newest->Name) + QStringLiteral(" - ") +
                store::germanDateShort(store::parseStoredDate(newest->Date)),
            store::lastDateOf(stamps)};
}

platform::Result<LastUpdate> readLastUpdate(store::AirportStore &store, const QString &icao) {
    const platform::Result<std::vector<store::ChangeStamp>> stamps = store.reads.changeStamps(icao);
    if (!stamps) return platform::Failure{stamps.error()};
    return lastUpdate(icao, *stamps);
}

}  // namespace volmira::browser
