#include "browser/AirportLookup.h"
#include "browser/NoteActions.h"
#include "browser/NotePanel.h"
#include "cli/Commands.h"
#include "cli/CommandTable.h"
#include "cli/EditCommand.h"
#include "cli/Options.h"
#include "cli/Session.h"
#include "store/Rtf.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <utility>

namespace volmira::cli {

namespace {

// The airport of a code as the lookup finds it; prints why there is none.
std::optional<browser::AirportView> lookup(Session &session, const QString &code, int &exit) {
    return foundAirport(browser::lookupAirport(*session.store, code, QDate::currentDate()), exit);
}

QJsonValue colourJson(const std::optional<platform::Rgb> &colour) {
    if (!colour) return QJsonValue();
    return QStringLiteral("%1%2%3")
        .arg(colour->red, 2, 16, QLatin1Char('0'))
        .arg(colour->green, 2, 16, QLatin1Char('0'))
        .arg(colour->blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

// The notes document is written piece by piece: a note of megabytes held as
// JSON values, and again as the document's text, took a hundred times its size.
void write(const QByteArray &bytes) { std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout); }

// A JSON value alone, as it stands in a document.
void writeJson(const QJsonValue &value) {
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    write(array.mid(1, array.size() - 2));
}

// A JSON string written as its parts come, escaped, in pieces that never cut a character.
class JsonText {
public:
    JsonText() { piece_ += u'"'; }
    ~JsonText() { write((piece_ + u'"').toUtf8()); }
    JsonText(const JsonText &) = delete;
    JsonText &operator=(const JsonText &) = delete;

    JsonText &operator<<(QStringView text) {
        for (const QChar c : text) {
            if (c == u'"' || c == u'\\') piece_ += u'\\';
            if (c.unicode() < 0x20) piece_ += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else piece_ += c;
            if (piece_.size() >= kPiece && !c.isHighSurrogate()) {
                write(piece_.toUtf8());
                piece_.clear();
            }
        }
        return *this;
    }

private:
    static constexpr qsizetype kPiece = 1 << 16;
    QString piece_;
};

void writeJsonText(QStringView text) { JsonText() << text; }

// The note's plain text: its paragraphs joined by line breaks, as plainText gives it.
void writePlainText(const store::NoteText &note) {
    JsonText text;
    for (std::size_t p = 0; p < note.paragraphs.size(); ++p) {
        if (p > 0) text << u"\n";
        for (const store::NoteRun &run : note.paragraphs[p].runs) text << run.text;
    }
}

// The runs of every paragraph, a run "\n" between paragraphs, so that the
// runs joined give the plain text.
void writeRuns(const store::NoteText &note) {
    auto run = [first = true](const QString &text, bool bold, const QJsonValue &colour) mutable {
        write(first ? "\n            {\"text\": " : ",\n            {\"text\": ");
        first = false;
        writeJsonText(text);
        write(bold ? ", \"bold\": true, \"colour\": " : ", \"bold\": false, \"colour\": ");
        writeJson(colour);
        write("}");
    };
    for (std::size_t p = 0; p < note.paragraphs.size(); ++p) {
        if (p > 0) run(QStringLiteral("\n"), false, QJsonValue());
        for (const store::NoteRun &r : note.paragraphs[p].runs) run(r.text, r.bold, colourJson(r.colour));
    }
}

// Each large text is let go as soon as it is written: the note's rows and
// its paragraphs are never held at the same time.
void writeNoteJson(store::MyInfoRow row) {
    write("{\n        \"Category\": ");
    writeJsonText(row.Category);
    write(store::isRtf(row.MyInfo) ? ",\n        \"format\": \"rtf\"" : ",\n        \"format\": \"text\"");
    const std::pair<const char *, QString *> texts[] = {
        {"Date", &row.Date}, {"Time", &row.Time}, {"PrintInfo", &row.PrintInfo}, {"MyInfo", &row.MyInfo}};
    for (const auto &[key, text] : texts) {
        write(QByteArray(",\n        \"") + key + "\": ");
        writeJsonText(*text);
        if (text != &row.MyInfo) *text = QString();
    }
    const store::NoteText note = store::readNote(std::exchange(row.MyInfo, QString()));
    write(",\n        \"text\": ");
    writePlainText(note);
    write(",\n        \"runs\": [");
    writeRuns(note);
    write("\n        ]\n    }");
}

void writeNotesJson(browser::AirportView view) {
    QByteArray head = QJsonDocument(QJsonObject{{"icao", view.airport.ICAO},
                                                {"title", view.lastUpdate.title},
                                                {"LastKat", view.airport.LastKat},
                                                {"categories", QJsonArray::fromStringList(view.categories)}})
                          .toJson(QJsonDocument::Indented);
    head.chop(head.size() - head.lastIndexOf('}'));
    write(head.trimmed() + ",\n    \"notes\": [");
    for (std::size_t i = 0; i < view.notes.size(); ++i) {
        write(i == 0 ? "\n    " : ",\n    ");
        writeNoteJson(std::move(view.notes[i]));
    }
    write("\n    ]\n}\n");
    std::fflush(stdout);
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
        for (QString line : store::plainText(store::readNote(row.MyInfo)).split(u'\n'))
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
    auto session = openSession(options, store::Database::Mode::ReadOnly);
    if (!session) return kDataError;
    int exit = kDone;
    std::optional<browser::AirportView> view = lookup(*session, options.arguments.first(), exit);
    if (!view) return exit;
    if (options.json) {
        writeNotesJson(std::move(*view));
    } else {
        printNotes(*view);
        out().flush();
    }
    return kDone;
}

int noteCommand(const Options &options) {
    if (options.has("text") == options.has("from-file"))
        return refuseLine(options, QStringLiteral("Bitte --text oder --from-file angeben, eines von beiden."));
    platform::Result<store::NoteText> note = options.has("text")
                                                   ? store::readNote(options.value("text"))
                                                   : browser::readNoteFile(options.value("from-file"));
    if (!note) return failed(note);
    if (const QString misfit = stampMisfit(options); !misfit.isEmpty()) return refuseLine(options, misfit);
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
    // The write compares the note with the one the lookup read, or with the stamp the caller names.
    const store::MyInfoRow *read = browser::noteOf(view->notes, **category);
    const std::optional<store::Stamp> seen = options.has("if-stamp") ? givenStamp(options)
                                             : read                  ? std::optional(store::stampOf(*read))
                                                                     : std::nullopt;
    const auto saved = browser::saveNote(*session->store, view->airport.ICAO, **category, *note, seen);
    if (!saved) return failed(saved);
    if (const auto *other = std::get_if<store::Meanwhile<store::MyInfoRow>>(&*saved))
        return meanwhileFailed(other->stored ? store::kChangedMeanwhileMessage.toString()
                                             : browser::kNoteVanishedMessage.toString());
    const browser::SavedNote &stored = std::get<browser::SavedNote>(*saved);
    out() << stored.lblAktuell << '\n' << printable(stored.lastUpdate.title) << Qt::endl;
    return kDone;
}

int categoriesCommand(const Options &options) {
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
    // An empty name changes nothing in the window; here it is a slip of the caller.
    if (a[1].isEmpty() || (action == QLatin1String("rename") && a[2].isEmpty()))
        return refuseLine(options, QStringLiteral("Ein Kategoriename ist leer."));
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
