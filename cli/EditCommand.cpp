#include "cli/EditCommand.h"

#include "browser/AirportLookup.h"
#include "cli/Options.h"

#include <QJsonDocument>

namespace volmira::cli {

std::optional<EditTarget> editTarget(const Options &options, const QString &code, int &exit) {
    EditTarget target{openSession(options, store::Database::Mode::ReadWrite), {}};
    if (!target.session) {
        exit = kDataError;
        return std::nullopt;
    }
    std::optional<store::ArptRow> found =
        foundAirport(target.session->store->reads.airportByIcao(code.trimmed()), exit);
    if (!found) return std::nullopt;
    target.airport = std::move(*found);
    return target;
}

void takeOption(const Options &options, const QString &name, QString &text) {
    if (options.has(name)) text = options.value(name);
}

int printWritten(const Options &options, const QString &icao, const QString &action, const char *key,
                 const QJsonObject &row, const QJsonObject &extra, const QStringList &lines) {
    if (options.json) {
        QJsonObject document = extra;
        document.insert("ICAO", icao);
        document.insert("action", action);
        document.insert(QLatin1String(key), row);
        out() << QJsonDocument(document).toJson(QJsonDocument::Indented);
    } else {
        for (const QString &line : lines) out() << printable(line) << '\n';
    }
    out().flush();
    return kDone;
}

int writeFailed(const QString &message) {
    err() << message << Qt::endl;
    return kDataError;
}

}  // namespace volmira::cli
