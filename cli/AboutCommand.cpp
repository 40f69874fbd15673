#include "app/AboutInfo.h"
#include "cli/Commands.h"
#include "cli/Options.h"
#include "cli/RowJson.h"
#include "cli/Session.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace volmira::cli {

namespace {

QJsonObject dayJson(const app::UpdateDay &day) {
    QJsonArray rows;
    for (const store::exchange::HistoryEntry &entry : day.rows) {
        const QString date = app::historyDateText(entry);
        rows.append(QJsonObject{
            {"ICAO", json(entry.ICAO)}, {"Name", json(entry.Name)}, {"Date", date.isEmpty() ? QJsonValue() : date}});
    }
    return {{"text", day.text}, {"lblCount", app::airportCountText(qsizetype(day.rows.size()))}, {"rows", rows}};
}

void printJson(const app::AboutInfo &info) {
    QJsonArray days;
    for (const app::UpdateDay &day : info.days) days.append(dayJson(day));
    out() << QJsonDocument(QJsonObject{{"lblProg", info.lblProg},
                                       {"lblData", info.lblData},
                                       {"cmbDate", days},
                                       {"listUpdate", QJsonArray::fromStringList(app::releaseNotes())}})
                 .toJson(QJsonDocument::Indented);
}

void printText(const app::AboutInfo &info) {
    out() << printable(info.lblProg) << '\n' << printable(info.lblData) << '\n';
    for (const app::UpdateDay &day : info.days) {
        out() << "\nUpdate vom " << day.text << ": " << app::airportCountText(qsizetype(day.rows.size())) << '\n';
        for (const store::exchange::HistoryEntry &entry : day.rows)
            out() << "  " << printable(entry.ICAO).leftJustified(6) << app::historyDateText(entry).leftJustified(12)
                  << printable(entry.Name) << '\n';
    }
    out() << '\n';
    for (const QString &note : app::releaseNotes()) out() << note << '\n';
}

}  // namespace

int aboutCommand(const Options &options) {
    auto session = openSession(options, store::Database::Mode::ReadOnly);
    if (!session) return kDataError;
    const app::AboutInfo info = app::readAboutInfo(*session->store, session->dataFolder);
    // What can be shown is shown, as the window does; the message says what is missing.
    if (options.json)
        printJson(info);
    else
        printText(info);
    out().flush();
    if (info.error.isEmpty()) return kDone;
    err() << info.error << Qt::endl;
    return kDataError;
}

}  // namespace volmira::cli
