#include "app/AboutInfo.h"

#include "store/AirportStore.h"
#include "store/DateText.h"

#include <QDir>

#include <map>

namespace volmira::app {

using store::exchange::HistoryEntry;

QString programText(const QString &programVersion) { return QStringLiteral("Version ") + programVersion; }

QString databaseText(const QString &databaseVersion) {
    const QDate day = store::parseStoredDate(databaseVersion);
    return QStringLiteral("Datenbank vom ") + (day.isValid() ? store::germanDateLong(day) : databaseVersion);
}

QString airportCountText(qsizetype count) {
    if (count < 1) return {};
    return QString::number(count) + (count == 1 ? QStringLiteral(" Flugplatz") : QStringLiteral(" Flugplätze"));
}

QString historyDateText(const HistoryEntry &entry) {
    return entry.Date ? store::defaultDateText(entry.Date->date) : QString();
}

const QStringList &releaseNotes() {
    static const QStringList notes{QStringLiteral("Version 1.0.3"),
                                   QStringLiteral("Fehler bei Flughafenausdruck korrigiert"),
                                   QString(),
                                   QStringLiteral("Version 1.0.2"),
                                   QStringLiteral("erstes Release von Volmira APT"),
                                   QString()};
    return notes;
}

std::vector<UpdateDay> groupByDay(std::vector<HistoryEntry> history) {
    // An invalid QDate sorts before every valid one; the undated rows go last below.
    std::map<QDate, std::vector<HistoryEntry>> byDay;
    for (HistoryEntry &entry : history) {
        const QDate day = entry.Date ? entry.Date->date : QDate();
        byDay[day.isValid() ? day : QDate()].push_back(std::move(entry));
    }
    std::vector<UpdateDay> days;
    days.reserve(byDay.size());
    for (auto &[day, rows] : byDay)
        if (day.isValid()) days.push_back({store::germanDateLong(day), day, std::move(rows)});
    if (auto undated = byDay.find(QDate()); undated != byDay.end())
        days.push_back({QString::fromUtf16(kUndatedText), QDate(), std::move(undated->second)});
    return days;
}

AboutInfo aboutInfo(const std::optional<store::VersionRow> &version,
                    platform::Result<std::vector<HistoryEntry>> history) {
    AboutInfo info;
    info.lblProg = programText(version ? version->ProgramVersion : QString());
    info.lblData = databaseText(version ? version->DatabaseVersion : QString());
    if (history)
        info.days = groupByDay(std::move(history).value());
    else
        info.error = history.error();
    return info;
}

AboutInfo readAboutInfo(store::AirportStore &store, const QString &dataFolder) {
    const platform::Result<std::optional<store::VersionRow>> version = store.lists.version();
    AboutInfo info = aboutInfo(version ? *version : std::nullopt,
                               store::exchange::readUpdateHistory(
                                   QDir(dataFolder).filePath(QString::fromLatin1(store::exchange::kUpdateHistoryFile))));
    if (!version) info.error = info.error.isEmpty() ? version.error() : version.error() + u'\n' + info.error;
    return info;
}

}  // namespace volmira::app
