#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace volmira::test {

struct CommandResult {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// Runs the real executable with the arguments and --data-dir dataDir, `input`
// on its standard input, the variables of `environment` added to the test's own.
CommandResult runCommand(const QString &dataDir, QStringList arguments, const QByteArray &input = {},
                         const QProcessEnvironment &environment = {});

// Runs the test copy of the executable (build/hooked, the only one that
// stops at a stage) with --data-dir dataDir and the environment
// variable `pauseVariable` set to `stage`, waits until it says it stopped
// there ("... angehalten: <stage>") and kills it with SIGKILL. False when it
// never got there.
bool runKilledAt(const QString &dataDir, QStringList arguments, const char *pauseVariable, const char *stage);

// Changes a database file from outside the program, as a test's setting up.
void executeSql(const QString &database, const char *sql);

}  // namespace volmira::test
