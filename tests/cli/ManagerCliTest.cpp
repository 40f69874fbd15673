// The manager's list and delete through the real executable on a copy of the shipped database.
#include "support/Command.h"
#include "support/Files.h"
#include "support/TableDump.h"

#include <QJsonDocument>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira;

struct ManagerCli : ::testing::Test {
    QTemporaryDir dir;
    test::CommandResult run(const QStringList &arguments, const QByteArray &input = {}) {
        return test::runCommand(dir.path(), arguments, input);
    }
    // Every row of the six tables that carries EDDF.
    std::string eddf() {
        store::Database db;
        EXPECT_TRUE(db.open(dir.filePath("vmdata.vmd"), store::Database::Mode::ReadOnly).ok());
        return test::dumpAirportData(db).filter("\"EDDF\"").join(u'\n').toStdString();
    }
};

TEST_F(ManagerCli, ListTakesItsOptionsOverDbsCrmAndNeverWritesIt) {
    const std::tuple<QByteArray, QStringList, int, int, const char *> cases[] = {  // an empty dbs.crm is a bad one
        {{}, {"ED", "--surface", "off"}, 0, 449, ""}, {{}, {"ED"}, 0, 343, ""}, {{}, {"ED", "--type", "none"}, 1, 0, ""},
        {{}, {"ed", "--surface", "hard", "--type", "vlp", "--min-length", "1000"}, 0, 48, ""}, {"1\r\n2\r\n1\r\n0\r\n\"1000\"\r\n", {"ED"}, 0, 48, ""},
        {"1\r\n1\r\n5\r\n0\r\n\"1000\"\r\n", {"ED"}, 0, 343, ""}, {{}, {"ED", "--min-length", "abc"}, 0, 343, "Bitte Daten der Landebahnlänge"},
        {{}, {"ED", "--surface", "hart"}, 2, 0, "--surface"}};
    for (const auto &[dbsCrm, arguments, exitCode, count, message] : cases) {
        test::writeFile(dir.filePath("dbs.crm"), dbsCrm);
        const test::CommandResult r = run(QStringList{"list", "--json"} + arguments);
        EXPECT_TRUE(r.exitCode == exitCode && QJsonDocument::fromJson(r.out)["count"].toInt() == count && r.err.contains(message))
            << (dbsCrm + arguments.join(u' ').toUtf8() + r.err.toUtf8()).constData();
        EXPECT_EQ(test::readFile(dir.filePath("dbs.crm")), dbsCrm);
    }
}

TEST_F(ManagerCli, DeleteSurvivesAKillAsksFirstAndRemovesTheAirportFromEveryTable) {
    ASSERT_EQ(run({"note", "EDDF", "Kontakt", "--text", "x"}).exitCode, 0);
    test::executeSql(dir.filePath("vmdata.vmd"), "INSERT INTO MAPDATA (ICAO, Number) VALUES ('EDDF', 0)");
    const std::string whole = eddf();
    for (const char *stage : {"RWY", "ARPT"}) {  // killed between two statements
        ASSERT_TRUE(test::runKilledAt(dir.path(), {"delete", "EDDF", "--yes"}, "VOLMIRA_DELETE_PAUSE", stage));
        EXPECT_EQ(run({"lookup", "EDDF"}).exitCode, 0) << stage;  // the next start rolls back what the kill left
        EXPECT_EQ(eddf(), whole) << stage;
    }
    for (const QByteArray answer : {"", "n\n", "jaa\n"})
        EXPECT_TRUE(run({"delete", "eddf"}, answer).err.startsWith("Soll der Flughafen - EDDF - Frankfurt Main Airport - gelöscht werden ?"));
    EXPECT_EQ(run({"delete", "EDQQ", "--yes"}).err, "Fehler beim Löschen - Flugplatz wurde nicht gelöscht\n");
    EXPECT_EQ(eddf(), whole);
    EXPECT_EQ(QJsonDocument::fromJson(run({"delete", "eddf", "--yes", "--json"}).out).toJson(QJsonDocument::Compact),
              R"({"ACOM":15,"ICAO":"EDDF","ILS":0,"MAPDATA":1,"MyInfo":1,"Name":"Frankfurt Main Airport","RWY":4})");
    EXPECT_EQ(eddf(), "");
    EXPECT_EQ(run({"delete", "EDDM"}, "JA\n").exitCode + run({"delete", "TQPF"}, "j\n").exitCode, 0);  // TQPF: Anguilla's only one
    const QByteArray countries = run({"countries"}).out;
    EXPECT_TRUE(countries.contains("   447  Deutschland") && !countries.contains("Anguilla") && countries.contains("Insgesamt 19228 "));
}
