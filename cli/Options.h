#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace volmira::cli {

// The command line taken apart: the command, its plain arguments and its options.
struct Options {
    QString command;
    QStringList arguments;       // plain arguments after the command
    QMap<QString, QString> values;  // --name VALUE
    QStringList switches;        // --name without a value, other than --json and --help
    bool json = false;
    bool help = false;
    QString error;               // German usage error, empty when the line is fine

    [[nodiscard]] QString value(const QString &name) const { return values.value(name); }
    [[nodiscard]] bool has(const QString &name) const { return values.contains(name); }
    [[nodiscard]] bool isSet(const QString &name) const { return switches.contains(name); }
};

// Options that take a value, and switches (--json, --help, --all, --yes); anything
// else, and an option given an empty value, is a usage error, except for the
// entry-box texts of the editing commands, which may be emptied.
[[nodiscard]] Options parseOptions(const QStringList &arguments);

}  // namespace volmira::cli
