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
// The same with `input` on its standard input, which then ends.
CommandResult runCommand(const QString &dataDir, QStringList arguments, const QByteArray &input);

// Runs the real executable with --data-dir dataDir and the environment
// variable `pauseVariable` set to `stage`, waits until it says it stopped
// there ("... angehalten: <stage>") and kills it with SIGKILL. False when it
// never got there.
bool runKilledAt(const QString &dataDir, QStringList arguments, const char *pauseVariable, const char *stage);

// Changes a database file from outside the program, as a test's setting up.
void executeSql(const QString &database, const char *sql);

}  // namespace volmira::test
