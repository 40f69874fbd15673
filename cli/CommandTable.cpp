#include "cli/CommandTable.h"

#include "app/DesktopOptions.h"
#include "cli/Commands.h"
#include "cli/Session.h"

#include <algorithm>
#include <optional>

namespace volmira::cli {

using platform::OptionDecl;

namespace {

OptionDecl value(const char *name, const char *what) { return {.name = name, .value = what}; }
OptionDecl required(const char *name, const char *what) { return {.name = name, .value = what, .required = true}; }
OptionDecl flag(const char *name) { return {.name = name}; }
// An entry box of the editing commands: given empty, it empties the box.
OptionDecl box(const char *name, const char *what = "T", bool add = false, const char *choices = nullptr) {
    return {.name = name, .value = choices ? choices : what, .required = add, .mayBeEmpty = true, .closed = choices != nullptr};
}

// The stamp of the row as the caller saw it, for a write only while it is unchanged.
const OptionDecl kIfStamp{.name = "if-stamp", .value = "\"JJJJ-MM-TT HH:MM:SS\"", .mayBeEmpty = true};

const std::vector<OptionDecl> kListFilter{value("surface", "hard|grass|any|none|off"),
                                          value("type", "VLP|SLP|any|none"), box("min-length", "M")};
const std::vector<OptionDecl> kSelection{flag("all"), value("icao", "A,B")};

std::vector<OptionDecl> runwayOptions(bool add) {
    std::vector<OptionDecl> options{box("rwy", "D", add),   box("hdg", "H", add), box("length", "M", add),
                                    box("width", "M", add), box("slope"),         box("surface", "", false, "asphalt|gras")};
    if (!add) options.push_back(kIfStamp);
    return options;
}

std::vector<OptionDecl> airportOptions(bool add) {
    std::vector<OptionDecl> options{box("name", "T", add), box("coordinates", "\"4907.1 N / 00946.5 E\"", add),
                                    box("elev", "364ft|111m", add), box("var", "3E|2W", add), box("pr"),
                                    box("type", "", false, "VLP|SLP")};
    if (!add) options.push_back(kIfStamp);
    return options;
}

// The boxes of the approach dialog after its runway, and --yes for a runway the airport does not have.
std::vector<OptionDecl> approachOptions(bool add) {
    std::vector<OptionDecl> options{box("ils-freq"), box("ils-ident"), box("ils-gs"), box("om-freq"),
                                    box("om-ident"), flag("yes")};
    if (!add) {
        options.insert(options.begin(), box("rwy"));
        options.push_back(kIfStamp);
    }
    return options;
}

const std::vector<CommandForm> &table() {
    static const std::vector<CommandForm> forms{
        {.name = "lookup", .arguments = "[CODE]", .options = {value("date", "JJJJ-MM-TT")},
         .text = "Flughafen nach ICAO-Code (oder IATA-Code bei 3 Zeichen) anzeigen: Flughafendaten, Landebahnen, "
                 "Frequenzen, Anflüge, Sonnenauf- und -untergang, letzte Änderung; ohne CODE der zuletzt gezeigte "
                 "Flughafen; ändert nichts",
         .run = lookupCommand},
        {.name = "find", .arguments = "TEXT", .text = "Flughäfen, deren Name mit TEXT beginnt, sonst deren Ort oder anderer Name, dann die mit einem "
                 "Wort des Namens (ICAO, Name, Ort, Land, Treffer)",
         .run = findCommand},
        {.name = "distance", .arguments = "VON NACH",
         .text = "Entfernung (NM und km) und Kurse auf dem kürzesten Weg über das WGS84-Ellipsoid: Anfangskurs "
                 "rechtweisend und missweisend (mit der Variation des Abflughafens), Endkurs rechtweisend; Codes wie "
                 "bei lookup; --json: Entfernungen ungerundet, Kurse in ganzen Grad; 1: ein Flughafen fehlt",
         .run = distanceCommand},
        {.name = "nearby", .arguments = "CODE",
         .options = [] {
             std::vector<OptionDecl> options = kListFilter;
             options.insert(options.begin(), value("radius", "NM"));
             return options;
         }(),
         .text = "Flughäfen im Umkreis von NM (ohne --radius der im Fenster zuletzt gewählte, sonst 50) um CODE, "
                 "nächste zuerst: Entfernung, Kurse wie bei distance, längste Asphalt- und Grasbahn, Typ; Filter wie "
                 "bei list, ohne Angabe keiner; 1: Flughafen fehlt, 3: keine gültigen Koordinaten",
         .run = nearbyCommand},
        {.name = "countries", .text = "Länder mit der Zahl ihrer Flughäfen", .run = countriesCommand},
        {.name = "list", .arguments = "PRÄFIX", .options = kListFilter,
         .text = "Flughäfen, deren Code mit PRÄFIX (1 bis 4 Zeichen) beginnt, gefiltert wie in der "
                 "Datenbankverwaltung: hard nur Asphaltbahn, grass nur Grasbahn, any beide, none keine, off ohne "
                 "Bahnbedingung; Bahn länger als M Meter; nicht Angegebenes aus dbs.crm; 1: keiner gefunden",
         .run = listCommand},
        {.name = "print", .arguments = "PRÄFIX",
         .options = [] {
             std::vector<OptionDecl> options = kListFilter;
             options.push_back(flag("long-contacts"));
             options.push_back(required("pdf", "DATEI"));
             return options;
         }(),
         .text = "gedruckte Flughafenliste der Flughäfen von list (Filter wie dort) als PDF; Kontaktnotizen nur mit "
                 "ihrer ersten Zeile, mit --long-contacts ganz; --json: die Zeilen der Liste; 1: keine Flughäfen, "
                 "keine Datei",
         .program = "volmira-apt-print"},
        {.name = "delete", .arguments = "CODE", .options = {flag("yes")},
         .text = "Flughafen mit Bahnen, Frequenzen, Anflügen, Notizen und Kartenlinks löschen; ohne --yes wird "
                 "gefragt (j/ja auf der Standardeingabe)",
         .run = deleteCommand},
        {.name = "changed", .text = "Flughäfen, die nach dem Datum der Datenbank geändert wurden",
         .run = changedCommand},
        {.name = "export", .arguments = "[DATEI]", .options = kSelection,
         .text = "Austauschdatei schreiben (ohne DATEI: export.crm im Datenordner): die geänderten Flughäfen, alle "
                 "(--all) oder die genannten (--icao, nicht mit --all), jeweils mit Frequenzen, Anflügen, "
                 "Landebahnen und Notizen",
         .run = exportCommand},
        {.name = "send", .arguments = "[DATEI]", .options = kSelection,
         .text = "Austauschdatei schreiben wie export und auf den Server des Herstellers laden (abgewartet); zeigt "
                 "Datei, Zahlen, Name auf dem Server und den E-Mail-Link, öffnet nichts; 1: nichts zu senden",
         .run = sendCommand},
        {.name = "import", .arguments = "DATEI", .options = {value("data-version", "T")},
         .text = "Update-Datei einspielen: ersetzt deren Flughäfen samt Bahnen, Frequenzen und Anflügen; T "
                 "(TT.MM.JJJJ) wird Datenbankversion",
         .run = importCommand},
        {.name = "notes", .arguments = "CODE",
         .text = "Notizen des Flughafens: Kategorienliste (* = Notiz vorhanden), LastKat, jede Notiz mit Text, "
                 "Formatierung und Stand; ändert nichts",
         .run = notesCommand},
        {.name = "note", .arguments = "CODE KATEGORIE", .options = {value("text", "TEXT"), value("from-file", "DATEI"), kIfStamp},
         .text = "Notiz speichern wie das Notizfenster, aus --text oder (nicht beides) --from-file; eine Datei, die "
                 "mit {\\rtf beginnt, als RTF, sonst als UTF-8-Text; --if-stamp \"\" nur, wenn noch keine da ist",
         .run = noteCommand},
        {.name = "search-notes", .arguments = "TEXT", .options = {value("category", "NAME")},
         .text = "Notizen suchen: jedes Wort von TEXT muss als Wortanfang vorkommen (Groß- und Kleinschreibung und "
                 "Akzente gleich); je Treffer ICAO, Name, Kategorie und die Zeile mit dem Treffer; 1: kein Treffer",
         .run = searchNotesCommand},
        {.name = "categories", .text = "Kategorien mit der Zahl der Flughäfen, die eine Notiz darin haben",
         .run = categoriesCommand},
        {.name = "category", .action = "add", .arguments = "NAME", .text = "Kategorie hinzufügen",
         .run = categoryCommand},
        {.name = "category", .action = "rename", .arguments = "ALT NEU",
         .text = "Kategorie umbenennen, samt den Notizen aller Flughäfen", .run = categoryCommand},
        {.name = "category", .action = "delete", .arguments = "NAME", .options = {required("yes", nullptr)},
         .text = "Kategorie und ihre Notizen an allen Flughäfen löschen", .run = categoryCommand},
        {.name = "maps", .arguments = "[CODE]",
         .options = {flag("missing"), flag("expired"), value("before", "TT.MM.JJJJ")},
         .text = "verknüpfte Karten des Flughafens (* = aktiv): Nummer, Name, Typ, gefundener Pfad (in den "
                 "Karten-Ordner des Datenordners umgesetzt, wenn der gespeicherte fehlt), Bildgröße laut Dateikopf "
                 "oder \"(Datei fehlt)\", gültig bis; mit --json auch die gespeicherte Ansicht; statt CODE "
                 "--missing: alle Karten aller Flughäfen, deren Datei fehlt; --expired: alle abgelaufenen (mit "
                 "--before: gültig bis vor dem Tag); 1: keine solche Karte",
         .run = mapsCommand},
        {.name = "map", .action = "link", .arguments = "CODE NUMMER DATEI",
         .options = {value("name", "NAME"), flag("copy"), value("valid-until", "TT.MM.JJJJ")},
         .text = "BMP-, JPEG- oder PDF-Datei als Karte NUMMER (0 bis 9) verknüpfen, eine bestehende überschreiben; "
                 "ohne NAME der Dateiname; --copy: eine Kopie in Karten/CODE des Datenordners verknüpfen (nie über "
                 "eine andere Datei: sonst \"name (2).pdf\"); --valid-until: letzter gültiger Tag",
         .run = mapCommand},
        {.name = "map", .action = "unlink", .arguments = "CODE NUMMER",
         .text = "Verknüpfung der Karte NUMMER löschen; 1: Nummer frei", .run = mapCommand},
        {.name = "map", .action = "relink", .arguments = "ALT NEU",
         .text = "Karten aller Flughäfen im Ordner ALT oder darunter in denselben Unterordner von NEU umsetzen, wo "
                 "die Datei dort liegt, alle in einem Schritt; nennt, was nicht umgesetzt wurde; 1: nicht alle "
                 "umgesetzt",
         .run = mapCommand},
        {.name = "map", .action = "print", .arguments = "CODE NUMMER",
         .options = {required("pdf", "DATEI"), value("page", "P"),
                     {.name = "paper", .value = "A4|A5|Letter", .closed = true}, flag("whole")},
         .text = "Karte NUMMER als PDF-Seite auf A4 (Vorgabe), A5 (Kniebrett) oder Letter, gedreht wie gespeichert "
                 "und auf das Papier eingepasst: der gespeicherte Ausschnitt eines Bildes, mit --whole oder ohne "
                 "gespeicherte Ansicht das ganze Bild; einer PDF-Karte die Seite P (ab 1), ohne --page die zuletzt "
                 "gezeigte; 1: nicht verknüpft, Datei oder Seite fehlt",
         .program = "volmira-apt-print"},
        {.name = "about",
         .text = "Programm- und Datenbankversion, die Update-Historie nach Tagen (zuletzt die Zeilen ohne Datum) "
                 "und die Versionshinweise",
         .run = aboutCommand},
        {.name = "check-version",
         .text = "Programm- und Datenbankversion mit denen der Download-Seite vergleichen; ändert nichts; 1: Update "
                 "vorhanden, 3: keine Antwort",
         .run = checkVersionCommand},
        {.name = "build-database",
         .options = {required("from", "ORDNER"), required("out", "DATEI"), value("wmm", "ORDNER"),
                     value("data-date", "JJJJ-MM-TT")},
         .text = "Datenbank aus den mitgelieferten Flughafendaten bauen", .run = buildDatabaseCommand},

        {.name = "runway", .action = "add", .arguments = "CODE", .options = runwayOptions(true),
         .run = runwayCommand, .section = Section::Editing},
        {.name = "runway", .action = "change", .arguments = "CODE SEL", .options = runwayOptions(false),
         .run = runwayCommand, .section = Section::Editing},
        {.name = "runway", .action = "delete", .arguments = "CODE SEL", .options = {kIfStamp}, .run = runwayCommand,
         .section = Section::Editing},
        {.name = "airport", .action = "add", .arguments = "CODE", .options = airportOptions(true),
         .text = "--elev ohne Einheit: Fuß; --var ohne Buchstaben: Ost", .run = airportCommand,
         .section = Section::Editing},
        {.name = "airport", .action = "set", .arguments = "CODE", .options = airportOptions(false),
         .run = airportCommand, .section = Section::Editing},
        {.name = "frequency", .action = "add", .arguments = "CODE NAME FREQ", .run = frequencyCommand,
         .section = Section::Editing},
        {.name = "frequency", .action = "change", .arguments = "CODE SEL",
         .options = {box("name"), box("freq"), kIfStamp},
         .run = frequencyCommand, .section = Section::Editing},
        {.name = "frequency", .action = "delete", .arguments = "CODE SEL", .options = {kIfStamp}, .run = frequencyCommand,
         .section = Section::Editing},
        {.name = "approach", .action = "add", .arguments = "CODE RWY", .options = approachOptions(true),
         .text = "--yes: auch für eine Landebahn speichern, die der Flughafen nicht hat", .run = approachCommand,
         .section = Section::Editing},
        {.name = "approach", .action = "change", .arguments = "CODE SEL", .options = approachOptions(false),
         .run = approachCommand, .section = Section::Editing},
        {.name = "approach", .action = "delete", .arguments = "CODE SEL", .options = {kIfStamp}, .run = approachCommand,
         .section = Section::Editing},

        {.name = "", .options = std::vector<OptionDecl>(std::begin(app::kDesktopOptions), std::end(app::kDesktopOptions)),
         .text = "Das Programm auf dem Flughafen CODE starten; läuft es für den Datenordner schon, zeigt es "
                 "CODE und kommt nach vorn. --screenshot: Fenster ohne Startbild zeigen, als PNG schreiben und "
                 "enden; --map N: die Kartenseite mit der "
                 "Karte auf Platz N (0 bis 9), geschrieben, wenn sie gezeichnet ist (höchstens 10 s); 1: Platz N "
                 "ist frei",
         .program = "volmira-apt-desktop", .section = Section::Desktop},
    };
    return forms;
}

// Every command takes these; --json and --help the reader knows itself.
const std::vector<OptionDecl> kCommon{value("data-dir", "ORDNER")};

// The options of every form, for reading a line before its command is known.
std::vector<OptionDecl> allOptions() {
    std::vector<OptionDecl> all = kCommon;
    for (const CommandForm &form : table()) all.insert(all.end(), form.options.begin(), form.options.end());
    return all;
}

// "[CODE] SEL" → the number of plain arguments it needs and allows.
std::pair<int, int> argumentCount(const char *arguments) {
    const QStringList words = QString::fromUtf8(arguments).split(u' ', Qt::SkipEmptyParts);
    const auto optional = std::count_if(words.begin(), words.end(), [](const QString &w) { return w.startsWith(u'['); });
    return {int(words.size() - optional), int(words.size())};
}

QString optionUsage(const OptionDecl &option) {
    QString text = QStringLiteral("--") + QLatin1String(option.name);
    if (option.value && *option.value) text += u' ' + QString::fromUtf8(option.value);
    return option.required ? text : u'[' + text + u']';
}

// The pieces of a form's usage line, each kept whole when the line is wrapped.
QStringList usagePieces(const CommandForm &form) {
    QStringList pieces;
    for (const char *word : {form.name, form.action, form.arguments})
        if (*word) pieces << QString::fromUtf8(word);
    for (const OptionDecl &option : form.options) pieces << optionUsage(option);
    return pieces;
}

// Joins words into lines of at most `width` characters, the first starting at
// `first`, the others at `indent`.
QString wrapped(const QStringList &words, int first, int indent, int width = 108) {
    QString text, line(first, u' ');
    for (const QString &word : words) {
        if (line.size() > indent && line.size() + 1 + word.size() > width) {
            text += line + u'\n';
            line = QString(indent, u' ');
        }
        if (!line.trimmed().isEmpty()) line += u' ';
        line += word;
    }
    return text + line + u'\n';
}

QString formHelp(const CommandForm &form) {
    constexpr int kTextColumn = 36;
    QString synopsis = wrapped(usagePieces(form), 2, 14);
    const QString text = QString::fromUtf8(form.text);
    if (text.isEmpty()) return synopsis;
    const QStringList words = text.split(u' ');
    synopsis.chop(1);
    if (!synopsis.contains(u'\n') && synopsis.size() < kTextColumn)
        return synopsis + wrapped(words, kTextColumn, kTextColumn).mid(synopsis.size());
    return synopsis + u'\n' + wrapped(words, kTextColumn, kTextColumn);
}

QString usageOf(const QString &command) {
    QString usage = QStringLiteral("Aufruf:\n");
    for (const CommandForm &form : table())
        if (command == QLatin1String(form.name)) usage += wrapped(QStringList{"volmira-apt"} + usagePieces(form), 2, 14);
    return usage;
}

constexpr const char *kHeadings[] = {
    "Befehle:",
    "Bearbeiten (dieselben Prüfungen und Meldungen wie die Eingabedialoge; CODE: ICAO-Code;\n"
    "SEL: eine Landebahn nach einem Ende oder dem Paar (\"25R\", \"07L / 25R\"), eine Frequenz nach\n"
    "ihrem Namen, ein Anflug nach seiner Landebahn, oder #N für die N-te Zeile wie bei lookup;\n"
    "eine ausgelassene Option ist beim Hinzufügen ein leeres Feld, beim Ändern der gespeicherte Wert;\n"
    "--if-stamp: nur schreiben, wenn der Datensatz noch den Stand hat (Date und Time wie bei lookup --json),\n"
    "sonst Rückgabewert 4):",
    "Desktop-Programm (ohne BEFEHL):",
};

bool isCommand(const QString &name) {
    return std::any_of(table().begin(), table().end(),
                       [&](const CommandForm &form) { return name == QLatin1String(form.name); });
}

// The form the line asks for, or null with the usage error set.
const CommandForm *formOf(Options &options) {
    if (!isCommand(options.command)) {
        options.error = QStringLiteral("Unbekannter Befehl: %1").arg(options.command);
        return nullptr;
    }
    const auto named = [&](const CommandForm &form) { return options.command == QLatin1String(form.name); };
    const auto &forms = table();
    const auto form = std::find_if(forms.begin(), forms.end(), [&](const CommandForm &f) {
        return named(f) && (!*f.action || options.arguments.value(0) == QLatin1String(f.action));
    });
    if (form == forms.end()) {
        options.error = QStringLiteral("Was soll %1 tun? Die erste Angabe ist eine Aktion wie %2.")
                            .arg(options.command, QLatin1String(std::find_if(forms.begin(), forms.end(), named)->action));
        return nullptr;
    }
    const qsizetype given = options.arguments.size() - (*form->action ? 1 : 0);
    if (const auto [least, most] = argumentCount(form->arguments); given < least || given > most) {
        options.error = QStringLiteral("Falsche Zahl von Argumenten.");
        return nullptr;
    }
    std::vector<OptionDecl> taken = kCommon;
    taken.insert(taken.end(), form->options.begin(), form->options.end());
    const QString owner = options.command.isEmpty()
                              ? QStringLiteral("zum Desktop-Programm")
                              : QStringLiteral("zum Befehl %1").arg((options.command + u' ' + QLatin1String(form->action)).trimmed());
    options.error = options.misfit(taken, owner);
    return options.error.isEmpty() ? &*form : nullptr;
}

}  // namespace

std::span<const CommandForm> commandForms() { return table(); }

// The usage lines are made only for an error: the whole help costs more than
// reading an airport.
Call readCall(const QStringList &arguments) {
    static const std::vector<OptionDecl> known = allOptions();
    Call call{{platform::readCommandLine(arguments, known)}, nullptr, {}};
    Options &options = call.options;
    if (!options.error.isEmpty()) {
        call.usage = helpText();
    } else if (!options.help) {
        call.form = formOf(options);
        if (!call.form)
            call.usage = options.command.isEmpty() || !isCommand(options.command) ? helpText() : usageOf(options.command);
    }
    return call;
}

int refuseLine(const Options &options, const QString &why) {
    err() << why << "\n\n" << usageOf(options.command) << Qt::flush;
    return kUsage;
}

QString helpText() {
    QString help = QStringLiteral("Volmira APT - Flughafendatenbank\n\n"
                                  "Aufruf: volmira-apt BEFEHL [ARGUMENTE] [--json] [--data-dir ORDNER]\n");
    std::optional<Section> section;
    for (const CommandForm &form : table()) {
        if (form.section != section) {
            section = form.section;
            help += u'\n' + QString::fromUtf8(kHeadings[int(form.section)]) + u'\n';
        }
        help += formHelp(form);
    }
    return help + QStringLiteral(
                      "\nOptionen:\n"
                      "  --json            Ergebnis als ein JSON-Dokument\n"
                      "  --data-dir ORDNER Datenordner (sonst $VOLMIRA_APT_HOME, der Programmordner mit vmdata.vmd\n"
                      "                    oder ~/.local/share/volmira-apt)\n"
                      "  --help            diese Hilfe\n"
                      "\n"
                      "Rückgabewerte: 0 erledigt (geschrieben), 1 nicht gefunden oder abgelehnt (die Meldung des "
                      "Dialogs),\n"
                      "2 falscher Aufruf, 3 Daten- oder Dateifehler, 4 inzwischen von einem anderen Programm "
                      "geändert\n");
}

}  // namespace volmira::cli
