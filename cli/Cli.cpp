#include "cli/Cli.h"

#include "cli/Commands.h"
#include "cli/Options.h"
#include "cli/Session.h"

namespace volmira::cli {

namespace {

constexpr const char *kHelp =
    "Volmira APT - Flughafendatenbank\n"
    "\n"
    "Aufruf: volmira-apt BEFEHL [ARGUMENTE] [--json] [--data-dir ORDNER]\n"
    "\n"
    "Befehle:\n"
    "  lookup [CODE] [--date JJJJ-MM-TT] Flughafen nach ICAO-Code (oder IATA-Code bei 3 Zeichen) anzeigen:\n"
    "                                    Flughafendaten, Landebahnen, Frequenzen, Anflüge, Sonnenauf- und\n"
    "                                    -untergang, letzte Änderung; ohne CODE der zuletzt gezeigte\n"
    "                                    Flughafen; ändert nichts\n"
    "  find TEXT                         Flughäfen, deren Name mit TEXT beginnt (Name und ICAO)\n"
    "  countries                         Länder mit der Zahl ihrer Flughäfen\n"
    "  changed                           Flughäfen, die nach dem Datum der Datenbank geändert wurden\n"
    "  export [DATEI] [--all | --icao A,B]\n"
    "                                    Austauschdatei schreiben (ohne DATEI: export.crm im Datenordner):\n"
    "                                    die geänderten Flughäfen, alle oder die genannten, jeweils mit\n"
    "                                    Frequenzen, Anflügen, Landebahnen und Notizen\n"
    "  import DATEI [--data-version T]   Update-Datei einspielen: ersetzt deren Flughäfen samt Bahnen,\n"
    "                                    Frequenzen und Anflügen; T (TT.MM.JJJJ) wird Datenbankversion\n"
    "  notes CODE                        Notizen des Flughafens: Kategorienliste (* = Notiz vorhanden),\n"
    "                                    LastKat, jede Notiz mit Text, Formatierung und Stand; ändert nichts\n"
    "  note CODE KATEGORIE (--text TEXT | --from-file DATEI)\n"
    "                                    Notiz speichern wie das Notizfenster; eine Datei, die mit {\\rtf\n"
    "                                    beginnt, als RTF, sonst als UTF-8-Text\n"
    "  categories                        Kategorien mit der Zahl der Flughäfen, die eine Notiz darin haben\n"
    "  category add NAME                 Kategorie hinzufügen\n"
    "  category rename ALT NEU           Kategorie umbenennen, samt den Notizen aller Flughäfen\n"
    "  category delete NAME --yes        Kategorie und ihre Notizen an allen Flughäfen löschen\n"
    "  build-database --from ORDNER --out DATEI [--wmm ORDNER] [--data-date JJJJ-MM-TT]\n"
    "                                    Datenbank aus den mitgelieferten Flughafendaten bauen\n"
    "\n"
    "Optionen:\n"
    "  --json            Ergebnis als ein JSON-Dokument\n"
    "  --data-dir ORDNER Datenordner (sonst $VOLMIRA_APT_HOME, der Programmordner mit vmdata.vmd\n"
    "                    oder ~/.local/share/volmira-apt)\n"
    "  --help            diese Hilfe\n"
    "\n"
    "Rückgabewerte: 0 erledigt, 1 nicht gefunden oder abgelehnt, 2 falscher Aufruf, 3 Daten- oder Dateifehler\n";

}  // namespace

int run(const QStringList &arguments) {
    const Options options = parseOptions(arguments);
    if (!options.error.isEmpty()) {
        err() << options.error << "\n\n" << kHelp << Qt::flush;
        return kUsage;
    }
    if (options.help) {
        out() << kHelp << Qt::flush;
        return kDone;
    }
    if (options.command == QLatin1String("lookup")) return lookupCommand(options);
    if (options.command == QLatin1String("find")) return findCommand(options);
    if (options.command == QLatin1String("countries")) return countriesCommand(options);
    if (options.command == QLatin1String("build-database")) return buildDatabaseCommand(options);
    if (options.command == QLatin1String("import")) return importCommand(options);
    if (options.command == QLatin1String("export")) return exportCommand(options);
    if (options.command == QLatin1String("changed")) return changedCommand(options);
    if (options.command == QLatin1String("notes")) return notesCommand(options);
    if (options.command == QLatin1String("note")) return noteCommand(options);
    if (options.command == QLatin1String("categories")) return categoriesCommand(options);
    if (options.command == QLatin1String("category")) return categoryCommand(options);
    err() << (options.command.isEmpty() ? QStringLiteral("Bitte einen Befehl angeben.")
                                        : QStringLiteral("Unbekannter Befehl: %1").arg(options.command))
          << "\n\n"
          << kHelp << Qt::flush;
    return kUsage;
}

}  // namespace volmira::cli
