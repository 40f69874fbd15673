#include "cli/Options.h"

namespace volmira::cli {

namespace {
// The texts of the entry boxes the editing commands fill; these may be empty,
// to empty a box.
const QStringList kBoxOptions = {"rwy",  "hdg",         "length", "width", "slope", "surface", "name",
                                 "freq", "coordinates", "elev",   "var",   "pr",    "type",    "ils-freq",
                                 "ils-ident", "ils-gs", "om-freq", "om-ident", "min-length"};
const QStringList kValueOptions = QStringList{"data-dir", "date",       "from", "out",  "wmm",
                                              "data-date", "screenshot", "show", "icao", "data-version",
                                              "text",     "from-file",  "notes",      "dialog", "window", "pdf"} +
                                  kBoxOptions;
const QStringList kSwitches = {"all", "yes", "edit", "long-contacts", "preview", "splash", "about"};
}

Options parseOptions(const QStringList &arguments) {
    Options options;
    // arguments[0] is the program itself.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (arg == QLatin1String("--json")) {
            options.json = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options.help = true;
        } else if (arg.startsWith(QLatin1String("--"))) {
            QString name = arg.mid(2);
            if (kSwitches.contains(name)) {
                options.switches << name;
                continue;
            }
            QString value;
            const qsizetype eq = name.indexOf('=');
            if (eq >= 0) {
                value = name.mid(eq + 1);
                name = name.left(eq);
            } else if (kValueOptions.contains(name) && i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                options.error = kValueOptions.contains(name)
                                    ? QStringLiteral("Die Option --%1 braucht einen Wert.").arg(name)
                                    : QStringLiteral("Unbekannte Option: %1").arg(arg);
                return options;
            }
            if (!kValueOptions.contains(name)) {
                options.error = QStringLiteral("Unbekannte Option: --%1").arg(name);
                return options;
            }
            // An empty value would silently mean the default: --data-dir "" the real data folder.
            if (value.isEmpty() && !kBoxOptions.contains(name)) {
                options.error = QStringLiteral("Die Option --%1 braucht einen Wert.").arg(name);
                return options;
            }
            options.values.insert(name, value);
        } else if (options.command.isEmpty()) {
            options.command = arg;
        } else {
            options.arguments << arg;
        }
    }
    return options;
}

}  // namespace volmira::cli
