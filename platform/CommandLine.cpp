#include "platform/CommandLine.h"

#include <algorithm>

namespace volmira::platform {

namespace {

const OptionDecl *declared(std::span<const OptionDecl> declarations, const QString &name) {
    const auto found = std::find_if(declarations.begin(), declarations.end(),
                                    [&](const OptionDecl &option) { return name == QLatin1String(option.name); });
    return found == declarations.end() ? nullptr : &*found;
}

// Whether any declaration of the name allows an empty value: a name may be an
// entry box in one command and a file name in another.
bool mayBeEmpty(std::span<const OptionDecl> declarations, const QString &name) {
    return std::any_of(declarations.begin(), declarations.end(), [&](const OptionDecl &option) {
        return option.mayBeEmpty && name == QLatin1String(option.name);
    });
}

}  // namespace

QString CommandLine::misfit(std::span<const OptionDecl> taken, const QString &owner) const {
    QStringList given = switches;
    for (auto it = values.cbegin(); it != values.cend(); ++it) given << it.key();
    for (const QString &name : given) {
        const OptionDecl *option = declared(taken, name);
        if (!option) return QStringLiteral("Die Option --%1 gehört nicht %2.").arg(name, owner);
        if (!option->closed) continue;
        const QStringList choices = QString::fromUtf8(option->value).split(u'|');
        if (!choices.contains(value(name).trimmed(), Qt::CaseInsensitive))
            return QStringLiteral("Ungültiger Wert für --%1: \"%2\" (erlaubt: %3).")
                .arg(name, value(name), choices.join(QLatin1String(", ")));
    }
    return {};
}

CommandLine readCommandLine(const QStringList &arguments, std::span<const OptionDecl> known) {
    CommandLine line;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (arg == QLatin1String("--json")) {
            line.json = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            line.help = true;
        } else if (arg.startsWith(QLatin1String("--"))) {
            QString name = arg.mid(2);
            QString value;
            const qsizetype eq = name.indexOf(u'=');
            if (eq >= 0) {
                value = name.mid(eq + 1);
                name = name.left(eq);
            }
            const OptionDecl *option = declared(known, name);
            if (!option) {
                line.error = QStringLiteral("Unbekannte Option: --%1").arg(name);
                return line;
            }
            if (!option->value) {
                line.switches << name;
                continue;
            }
            const bool missing = eq < 0 && i + 1 == arguments.size();
            if (eq < 0 && !missing) value = arguments[++i];
            // An empty value would silently mean the default: --data-dir "" the real data folder.
            if (missing || (value.isEmpty() && !mayBeEmpty(known, name))) {
                line.error = QStringLiteral("Die Option --%1 braucht einen Wert.").arg(name);
                return line;
            }
            line.values.insert(name, value);
        } else if (line.command.isEmpty()) {
            line.command = arg;
        } else {
            line.arguments << arg;
        }
    }
    return line;
}

}  // namespace volmira::platform
