#include "cli/Commands.h"
#include "cli/CommandTable.h"
#include "cli/Options.h"
#include "cli/Session.h"
#include "store/NoteSearch.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace volmira::cli {

int searchNotesCommand(const Options &options) {
    const QString &typed = options.arguments.first();
    if (store::searchWords(typed).isEmpty())
        return refuseLine(options, QStringLiteral("Der Suchtext enthält kein Wort."));
    auto session = openSession(options, store::Database::Mode::ReadOnly);
    if (!session) return kDataError;
    QString category;
    if (options.has("category")) {
        const platform::Result<std::optional<QString>> named =
            session->store->notes.findCategory(options.value("category"));
        if (!named) return failed(named);
        if (!*named) {
            err() << QStringLiteral("Kategorie - %1 wurde nicht gefunden.").arg(printable(options.value("category")))
                  << Qt::endl;
            return kNotFound;
        }
        category = **named;
    }
    const platform::Result<std::vector<store::NoteHit>> hits = store::searchNotes(session->db, typed, category);
    if (!hits) return failed(hits);
    if (hits->empty()) {
        err() << QStringLiteral("Keine Notiz enthält den Suchtext.") << Qt::endl;
        return kNotFound;
    }
    if (options.json) {
        QJsonArray array;
        for (const store::NoteHit &hit : *hits)
            array.append(QJsonObject{
                {"ICAO", hit.ICAO}, {"Name", hit.Name}, {"Category", hit.Category}, {"line", hit.line.text}});
        out() << QJsonDocument(array).toJson(QJsonDocument::Indented);
    } else {
        for (const store::NoteHit &hit : *hits)
            out() << printable(hit.ICAO) << "  " << printable(hit.Name) << "  " << printable(hit.Category) << ": "
                  << printable(hit.line.text) << '\n';
    }
    out().flush();
    return kDone;
}

}  // namespace volmira::cli
