#include "browser/LastUpdate.h"

#include "store/DateText.h"

#include <QDate>
#include <QTime>

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

// Orders stamps of the same date; a stamp without a readable time counts as
// earlier than any time of that day.
int timeKey(const store::ChangeStamp &stamp) {
    const QTime time = store::parseStoredTime(stamp.Time);
    return time.isValid() ? time.msecsSinceStartOfDay() : -1;
}

}  // namespace

std::optional<store::ChangeStamp> newestChange(const std::vector<store::ChangeStamp> &stamps) {
    std::optional<store::ChangeStamp> newest;
    QDate newestDate;
    int newestTime = 0;
    for (const store::ChangeStamp &stamp : stamps) {
        const QDate date = store::parseStoredDate(stamp.Date);
        if (!date.isValid()) continue;
        const int time = timeKey(stamp);
        if (newest && (date < newestDate || (date == newestDate && time <= newestTime))) continue;
        newest = stamp;
        newestDate = date;
        newestTime = time;
    }
    return newest;
}

LastUpdate lastUpdate(const QString &icao, const std::vector<store::ChangeStamp> &stamps) {
    const std::optional<store::ChangeStamp> newest = newestChange(stamps);
    if (!newest) return {kTitleStart + icao + kTitleMiddle + QStringLiteral("---"), QString()};
    const QDate date = store::parseStoredDate(newest->Date);
    return {kTitleStart + icao + kTitleMiddle + withoutTrailingBlanks(newest->Name) + QStringLiteral(" - ") +
                store::germanDateShort(date),
            store::storedDateText(date)};
}

platform::Result<LastUpdate> readLastUpdate(store::AirportStore &store, const QString &icao) {
    const platform::Result<std::vector<store::ChangeStamp>> stamps = store.reads.changeStamps(icao);
    if (!stamps) return platform::Failure{stamps.error()};
    return lastUpdate(icao, *stamps);
}

platform::Result<> storeLastDate(store::AirportStore &store, const QString &icao, const LastUpdate &update,
                                 const QString &storedLastDate) {
    // Never back: a deletion dates the airport to its day, though no remaining row carries it.
    if (update.lastDate.isEmpty() || update.lastDate <= storedLastDate) return {};
    return store.edits.setLastDate(icao, update.lastDate);
}

}  // namespace volmira::browser
