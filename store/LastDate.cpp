#include "store/LastDate.h"

#include "store/DateText.h"

#include <QDate>
#include <QTime>

namespace volmira::store {

namespace {

// Orders stamps of the same date; a stamp without a readable time counts as
// earlier than any time of that day.
int timeKey(const ChangeStamp &stamp) {
    const QTime time = parseStoredTime(stamp.Time);
    return time.isValid() ? time.msecsSinceStartOfDay() : -1;
}

}  // namespace

std::optional<ChangeStamp> newestChange(const std::vector<ChangeStamp> &stamps) {
    std::optional<ChangeStamp> newest;
    QDate newestDate;
    int newestTime = 0;
    for (const ChangeStamp &stamp : stamps) {
        const QDate date = parseStoredDate(stamp.Date);
        if (!date.isValid()) continue;
        const int time = timeKey(stamp);
        if (newest && (date < newestDate || (date == newestDate && time <= newestTime))) continue;
        newest = stamp;
        newestDate = date;
        newestTime = time;
    }
    return newest;
}

QString lastDateOf(const std::vector<ChangeStamp> &stamps) {
    const std::optional<ChangeStamp> newest = newestChange(stamps);
    return newest ? storedDateText(parseStoredDate(newest->Date)) : QString();
}

platform::Result<> storeLastDate(AirportStore &store, const QString &icao, const QString &lastDate,
                                 const QString &storedLastDate) {
    // Never back: a deletion dates the airport to its day, though no remaining row carries it.
    if (lastDate.isEmpty() || lastDate <= storedLastDate) return {};
    return store.edits.setLastDate(icao, lastDate);
}

platform::Result<> refreshLastDate(AirportStore &store, const QString &icao, const QString &storedLastDate) {
    const platform::Result<std::vector<ChangeStamp>> stamps = store.reads.changeStamps(icao);
    if (!stamps) return platform::Failure{stamps.error()};
    return storeLastDate(store, icao, lastDateOf(*stamps), storedLastDate);
}

}  // namespace volmira::store
