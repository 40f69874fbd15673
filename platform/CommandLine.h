#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <span>

namespace volmira::platform {

// An option a program or command takes: `--name VALUE`, or a switch `--name`.
struct OptionDecl {
    const char *name;
    const char *value = nullptr;  // what the value is, as the usage names it; none for a switch
    bool required = false;        // shown without brackets in the usage; the command checks it
    bool mayBeEmpty = false;      // an entry box's text, which may be emptied
    bool closed = false;          // the value is one of the words of `value` ("asphalt|gras"), in any letter case
};

// The command line taken apart: the command, its plain arguments and its options.
struct CommandLine {
    QString command;
    QStringList arguments;          // plain arguments after the command
    QMap<QString, QString> values;  // --name VALUE
    QStringList switches;           // --name without a value, other than --json and --help
    bool json = false;
    bool help = false;
    QString error;  // German usage error, empty when the line is fine

    [[nodiscard]] QString value(const QString &name) const { return values.value(name); }
    [[nodiscard]] bool has(const QString &name) const { return values.contains(name); }
    [[nodiscard]] bool isSet(const QString &name) const { return switches.contains(name); }
    // The German usage error for the first option given that `taken` does not
    // declare, or whose value is none of its choices; empty when all fit.
    // `owner` completes "gehört nicht …": "zum Befehl list".
    [[nodiscard]] QString misfit(std::span<const OptionDecl> taken, const QString &owner) const;
};

// Reads `arguments` (arguments[0] is the program itself) against the options of
// `known`: --json and --help (-h) are always understood; an option `known`
// does not name, and an empty value where no declaration of the name allows
// one, is a usage error. `--name=VALUE` is read too.
[[nodiscard]] CommandLine readCommandLine(const QStringList &arguments, std::span<const OptionDecl> known);

}  // namespace volmira::platform
