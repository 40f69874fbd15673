#include "browser/AirportLookup.h"
#include "browser/NoteActions.h"
#include "browser/NotePanel.h"
#include "browser/Rtf.h"
#include "cli/Commands.h"
#include "cli/Options.h"
#include "cli/Session.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace volmira::cli {

namespace {

int usage(const char *line) {
    err() << "Aufruf: volmira-apt " << line << Qt::endl;
    return kUsage;
}

// The airport of a code as the lookup finds it; prints why there is none.
std::optional<browser::AirportView> lookup(Session &session, const QString &code, int &exit) {
    return foundAirport(browser::lookupAirport(*session.store, code, QDate::currentDate()), exit);
}

QJsonValue colourJson(const std::optional<browser::Rgb> &colour) {
    if (!colour) return QJsonValue();
    return QStringLiteral("%1%2%3")
        .arg(colour->red, 2, 16, QLatin1Char('0'))
        .arg(colour->green, 2, 16, QLatin1Char('0'))
        .arg(colour->blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

// The runs of every paragraph, a run "\n" between paragraphs, so that the
// runs joined give the plain text.
QJsonArray runsJson(const browser::NoteText &note) {
    QJsonArray runs;
    bool first = true;
    for (const browser::NoteParagraph &paragraph : note.paragraphs) {
        if (!first) runs.append(QJsonObject{{"text", "\n"}, {"bold", false}, {"colour", QJsonValue()}});
        first = false;
        for (const browser::NoteRun &run : paragraph.runs)
            runs.append(QJsonObject{{"text", run.text}, {"bold", run.bold}, {"colour", colourJson(run.colour)}});
    }
    return runs;
}

QJsonObject noteJson(const store::MyInfoRow &row) {
    const browser::NoteText note = browser::readNote(row.MyInfo);
    return {{"Category", row.Category},
            {"format", browser::isRtf(row.MyInfo) ? "rtf" : "text"},
            {"text", browser::plainText(note)},
            {"runs", runsJson(note)},
            {"PrintInfo", row.PrintInfo},
            {"MyInfo", row.MyInfo},
            {"Date", row.Date},
            {"Time", row.Time}};
}

void printNotes(const browser::AirportView &view) {
    out() << printable(view.lastUpdate.title) << "\n\nKategorien:";
    for (const QString &entry : view.categories) out() << "\n  " << printable(entry);
    out() << "\nLastKat: " << printable(view.airport.LastKat) << '\n';
    for (const store::MyInfoRow &row : view.notes) {
        out() << '\n' << printable(row.Category);
        if (const QString stamp = browser::lblAktuellText(row.Date, row.Time); !stamp.isEmpty())
            out() << "  (" << stamp << ')';
        out() << '\n';
        for (QString line : browser::plainText(browser::readNote(row.MyInfo)).split(u'\n'))
            out() << "  " << printable(line.replace(u'\t', QStringLiteral("    "))) << '\n';
    }
}

// Prints a refusal and gives its exit status, or the status of a failure.
int outcome(const store::CategoryOutcome &result, const QString &done) {
    if (!result) return failed(result);
    if (*result) {
        err() << (*result)->message << Qt::endl;
        return kNotFound;
    }
    out() << done << Qt::endl;
    return kDone;
}

}  // namespace

int notesCommand(const Options &options) {
    if (options.arguments.size() != 1) return usage("notes CODE [--json]");
    auto session = openSession(options, store::Database::Mode::ReadOnly);
    if (!session) return kDataError;
    int exit = kDone;
    const std::optional<browser::AirportView> view = lookup(*session, options.arguments.first(), exit);
    if (!view) return exit;
    if (options.json) {
        QJsonArray notes;
        for (const store::MyInfoRow &row : view->notes) notes.append(noteJson(row));
        out() << QJsonDocument(QJsonObject{{"icao", view->airport.ICAO},
                                           {"title", view->lastUpdate.title},
                                           {"LastKat", view->airport.LastKat},
                                           {"categories", QJsonArray::fromStringList(view->categories)},
                                           {"notes", notes}})
                     .toJson(QJsonDocument::Indented);
    } else {
        printNotes(*view);
    }
    out().flush();
    return kDone;
}

int noteCommand(const Options &options) {
    if (options.arguments.size() != 2 || options.has("text") == options.has("from-file"))
        return usage("note CODE KATEGORIE (--text TEXT | --from-file DATEI)");
    platform::Result<browser::NoteText> note = options.has("text")
                                                   ? browser::readNote(options.value("text"))
                                                   : browser::readNoteFile(options.value("from-file"));
    if (!note) return failed(note);
    auto session = openSession(options, store::Database::Mode::ReadWrite);
    if (!session) return kDataError;
    int exit = kDone;
    const std::optional<browser::AirportView> view = lookup(*session, options.arguments[0], exit);
    if (!view) return exit;
    const QString &asked = options.arguments[1];
    const platform::Result<std::optional<QString>> category = session->store->notes.findCategory(asked);
    if (!category) return failed(category);
    if (!*category) {
        err() << QStringLiteral("Kategorie - %1 wurde nicht gefunden.").arg(asked) << Qt::endl;
        return kNotFound;
    }
    const platform::Result<browser::SavedNote> saved =
        browser::saveNote(*session->store, view->airport.ICAO, **category, *note);
    if (!saved) return failed(saved);
    out() << saved->lblAktuell << '\n' << printable(saved->lastUpdate.title) << Qt::endl;
    return kDone;
}

int categoriesCommand(const Options &options) {
    if (!options.arguments.isEmpty()) return usage("categories [--json]");
    auto session = openSession(options, store::Database::Mode::ReadOnly);
    if (!session) return kDataError;
    const platform::Result<std::vector<store::CategoryCount>> counts = session->store->notes.categoryCounts();
    if (!counts) return failed(counts);
    if (options.json) {
        QJsonArray rows;
        for (const store::CategoryCount &c : *counts) rows.append(QJsonObject{{"Category", c.Category}, {"notes", c.notes}});
        out() << QJsonDocument(rows).toJson(QJsonDocument::Indented);
    } else {
        for (const store::CategoryCount &c : *counts)
            out() << qSetFieldWidth(6) << Qt::right << c.notes << qSetFieldWidth(0) << Qt::left << "  "
                  << printable(c.Category) << '\n';
    }
    out().flush();
    return kDone;
}

int categoryCommand(const Options &options) {
    const QStringList &a = options.arguments;
    const QString action = a.value(0);
    const bool shapeFits = (action == QLatin1String("add") && a.size() == 2) ||
                           (action == QLatin1String("rename") && a.size() == 3) ||
                           (action == QLatin1String("delete") && a.size() == 2);
    // An empty name changes nothing in the window; here it is a slip of the caller.
    if (!shapeFits || a.value(1).isEmpty() || (action == QLatin1String("rename") && a[2].isEmpty()))
        return usage("category (add NAME | rename ALT NEU | delete NAME --yes)");
    if (action == QLatin1String("delete") && !options.isSet("yes")) {
        err() << browser::kDeleteCategoryQuestion.toString() << "\n(Zum Löschen --yes angeben; nichts wurde gelöscht.)" << Qt::endl;
        return kNotFound;
    }
    auto session = openSession(options, store::Database::Mode::ReadWrite);
    if (!session) return kDataError;
    store::NoteStore &notes = session->store->notes;
    if (action == QLatin1String("add"))
        return outcome(notes.addCategory(a[1]), QStringLiteral("Kategorie %1 hinzugefügt.").arg(printable(a[1])));
    if (action == QLatin1String("rename"))
        return outcome(notes.renameCategory(a[1], a[2]),
                       QStringLiteral("Kategorie %1 heißt jetzt %2.").arg(printable(a[1]), printable(a[2])));
    return outcome(notes.deleteCategory(a[1]), QStringLiteral("Kategorie %1 gelöscht.").arg(printable(a[1])));
}

}  // namespace volmira::cli
