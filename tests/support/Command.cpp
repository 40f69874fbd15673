#include "support/Command.h"

#include "store/Database.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace volmira::test {

CommandResult runCommand(const QString &dataDir, QStringList arguments) {
    QProcess process;
    process.start(QStringLiteral(VOLMIRA_EXECUTABLE), arguments << "--data-dir" << dataDir);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

void executeSql(const QString &database, const char *sql) {
    store::Database db;
    ASSERT_TRUE(db.open(database).ok()) << database.toStdString();
    ASSERT_EQ(db.exec(sql).error(), "") << sql;
}

}  // namespace volmira::test
