#include "cli/EditCommand.h"

#include "browser/AirportLookup.h"
#include "cli/Options.h"

#include <QJsonDocument>
#include <QRegularExpression>

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

QString stampMisfit(const Options &options) {
    static const QRegularExpression form(QStringLiteral(R"(^(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2})?$)"));
    if (!options.has("if-stamp") || form.match(options.value("if-stamp")).hasMatch()) return {};
    return QStringLiteral("--if-stamp erwartet den Stand des Datensatzes als \"JJJJ-MM-TT HH:MM:SS\" "
                          "(Date und Time wie bei lookup --json) oder leer für keinen.");
}

std::optional<store::Stamp> givenStamp(const Options &options) {
    const QString given = options.value("if-stamp");
    if (given.isEmpty()) return std::nullopt;
    return store::Stamp{given.left(10), given.mid(11)};
}

template <typename Row>
Row asSeen(Row row, const Options &options) {
    if (options.has("if-stamp")) {
        const store::Stamp seen = givenStamp(options).value_or(store::Stamp{});
        row.Date = seen.Date;
        row.Time = seen.Time;
    }
    return row;
}
template store::ArptRow asSeen(store::ArptRow, const Options &);
template store::RwyRow asSeen(store::RwyRow, const Options &);
template store::AcomRow asSeen(store::AcomRow, const Options &);
template store::IlsRow asSeen(store::IlsRow, const Options &);

int meanwhileFailed(const QString &message) {
    err() << message << Qt::endl;
    return kChangedMeanwhile;
}

int writeFailed(const QString &message) {
    err() << message << Qt::endl;
    return kDataError;
}

}  // namespace volmira::cli
