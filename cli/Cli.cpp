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
    "  list PRÄFIX [--surface hard|grass|any|none|off] [--type VLP|SLP|any|none] [--min-length M]\n"
    "                                    Flughäfen, deren Code mit PRÄFIX (1 bis 4 Zeichen) beginnt, gefiltert\n"
    "                                    wie in der Datenbankverwaltung: hard nur Asphaltbahn, grass nur\n"
    "                                    Grasbahn, any beide, none keine, off ohne Bahnbedingung; Bahn länger\n"
    "                                    als M Meter; nicht Angegebenes aus dbs.crm; 1: keiner gefunden\n"
    "  print PRÄFIX [Filter wie list] [--long-contacts] --pdf DATEI\n"
    "                                    gedruckte Flughafenliste der Flughäfen von list als PDF; Kontakt-\n"
    "                                    notizen nur mit ihrer ersten Zeile, mit --long-contacts ganz;\n"
    "                                    --json: die Zeilen der Liste; 1: keine Flughäfen, keine Datei\n"
    "  delete CODE [--yes]               Flughafen mit Bahnen, Frequenzen, Anflügen, Notizen und Kartenlinks\n"
    "                                    löschen; ohne --yes wird gefragt (j/ja auf der Standardeingabe)\n"
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
    "  maps CODE                         verknüpfte Karten des Flughafens (* = aktiv): Nummer, Name, Typ,\n"
    "                                    gefundener Pfad (in den Karten-Ordner des Datenordners umgesetzt,\n"
    "                                    wenn der gespeicherte fehlt), Bildgröße laut Dateikopf oder\n"
    "                                    \"(Datei fehlt)\"; mit --json auch die gespeicherte Ansicht\n"
    "  map link CODE NUMMER DATEI [--name NAME]\n"
    "                                    BMP-, JPEG- oder PDF-Datei als Karte NUMMER (0 bis 9) verknüpfen,\n"
    "                                    eine bestehende überschreiben; ohne NAME der Dateiname\n"
    "  map unlink CODE NUMMER            Verknüpfung der Karte NUMMER löschen; 1: Nummer frei\n"
    "  about                             Programm- und Datenbankversion, die Update-Historie nach Tagen\n"
    "                                    (zuletzt die Zeilen ohne Datum) und die Versionshinweise\n"
    "  check-version                     Programm- und Datenbankversion mit denen der Download-Seite\n"
    "                                    vergleichen; ändert nichts; 1: Update vorhanden, 3: keine Antwort\n"
    "  build-database --from ORDNER --out DATEI [--wmm ORDNER] [--data-date JJJJ-MM-TT]\n"
    "                                    Datenbank aus den mitgelieferten Flughafendaten bauen\n"
    "\n"
    "Bearbeiten (dieselben Prüfungen und Meldungen wie die Eingabedialoge; CODE: ICAO-Code;\n"
    "SEL: eine Landebahn nach einem Ende oder dem Paar (\"25R\", \"07L / 25R\"), eine Frequenz nach\n"
    "ihrem Namen, ein Anflug nach seiner Landebahn, oder #N für die N-te Zeile wie bei lookup;\n"
    "eine ausgelassene Option ist beim Hinzufügen ein leeres Feld, beim Ändern der gespeicherte Wert):\n"
    "  runway add CODE --rwy D --hdg H --length M --width M [--slope T] [--surface asphalt|gras]\n"
    "  runway change CODE SEL [dieselben Optionen]\n"
    "  runway delete CODE SEL\n"
    "  airport add CODE --name T --coordinates \"4907.1 N / 00946.5 E\" --elev 364ft|111m --var 3E|2W\n"
    "              [--pr T] [--type VLP|SLP]   (--elev ohne Einheit: Fuß; --var ohne Buchstaben: Ost)\n"
    "  airport set CODE [dieselben Optionen]\n"
    "  frequency add CODE NAME FREQ\n"
    "  frequency change CODE SEL [--name T] [--freq T]\n"
    "  frequency delete CODE SEL\n"
    "  approach add CODE RWY [--ils-freq T] [--ils-ident T] [--ils-gs T] [--om-freq T] [--om-ident T]\n"
    "              [--yes]   (--yes: auch für eine Landebahn speichern, die der Flughafen nicht hat)\n"
    "  approach change CODE SEL [--rwy T] [dieselben Optionen]\n"
    "  approach delete CODE SEL\n"
    "\n"
    "Optionen:\n"
    "  --json            Ergebnis als ein JSON-Dokument\n"
    "  --data-dir ORDNER Datenordner (sonst $VOLMIRA_APT_HOME, der Programmordner mit vmdata.vmd\n"
    "                    oder ~/.local/share/volmira-apt)\n"
    "  --help            diese Hilfe\n"
    "\n"
    "Rückgabewerte: 0 erledigt (geschrieben), 1 nicht gefunden oder abgelehnt (die Meldung des Dialogs),\n"
    "2 falscher Aufruf, 3 Daten- oder Dateifehler\n";

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
    if (options.command == QLatin1String("runway")) return runwayCommand(options);
    if (options.command == QLatin1String("airport")) return airportCommand(options);
    if (options.command == QLatin1String("frequency")) return frequencyCommand(options);
    if (options.command == QLatin1String("approach")) return approachCommand(options);
    if (options.command == QLatin1String("list")) return listCommand(options);
    if (options.command == QLatin1String("delete")) return deleteCommand(options);
    if (options.command == QLatin1String("maps")) return mapsCommand(options);
    if (options.command == QLatin1String("map")) return mapCommand(options);
    if (options.command == QLatin1String("about")) return aboutCommand(options);
    if (options.command == QLatin1String("check-version")) return checkVersionCommand(options);
    err() << (options.command.isEmpty() ? QStringLiteral("Bitte einen Befehl angeben.")
                                        : QStringLiteral("Unbekannter Befehl: %1").arg(options.command))
          << "\n\n"
          << kHelp << Qt::flush;
    return kUsage;
}

}  // namespace volmira::cli
