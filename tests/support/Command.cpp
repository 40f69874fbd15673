#include "support/Command.h"

#include "store/Database.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>

namespace volmira::test {

CommandResult runCommand(const QString &dataDir, QStringList arguments, const QByteArray &input,
                         const QProcessEnvironment &environment) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(environment);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VOLMIRA_EXECUTABLE), arguments << "--data-dir" << dataDir);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

bool runKilledAt(const QString &dataDir, QStringList arguments, const char *pauseVariable, const char *stage) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(pauseVariable, stage);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VOLMIRA_HOOKED_EXECUTABLE), arguments << "--data-dir" << dataDir);
    process.setReadChannel(QProcess::StandardError);
    QByteArray err;
    const QByteArray stopped = QByteArray("angehalten: ") + stage;
    while (!err.contains(stopped) && process.waitForReadyRead(60000)) err += process.readAllStandardError();
    ::kill(pid_t(process.processId()), SIGKILL);
    process.waitForFinished();
    return err.contains(stopped);
}

void executeSql(const QString &database, const char *sql) {
    store::Database db;
    ASSERT_TRUE(db.open(database).ok()) << database.toStdString();
    ASSERT_EQ(db.exec(sql).error(), "") << sql;
}

}  // namespace volmira::test
