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
    bool json = false;
    bool help = false;
    QString error;               // German usage error, empty when the line is fine

    [[nodiscard]] QString value(const QString &name) const { return values.value(name); }
    [[nodiscard]] bool has(const QString &name) const { return values.contains(name); }
};

// Options that take a value; every other option is a switch (--json, --help).
[[nodiscard]] Options parseOptions(const QStringList &arguments);

}  // namespace volmira::cli
