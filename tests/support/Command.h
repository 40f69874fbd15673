#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace volmira::test {

struct CommandResult {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// Runs the real executable with the arguments and --data-dir dataDir.
CommandResult runCommand(const QString &dataDir, QStringList arguments);

// Changes a database file from outside the program, as a test's setting up.
void executeSql(const QString &database, const char *sql);

}  // namespace volmira::test
