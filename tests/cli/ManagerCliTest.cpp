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
    std::string rowsOfEddf() {
        store::Database db;
        EXPECT_TRUE(db.open(dir.filePath("vmdata.vmd"), store::Database::Mode::ReadOnly).ok());
        return test::dumpAirportData(db).filter("\"EDDF\"").join(u'\n').toStdString();
    }
};

TEST_F(ManagerCli, ListTakesItsOptionsOverDbsCrmAndNeverWritesIt) {
    const QByteArray hardVlp1000 = "1\r\n2\r\n1\r\n0\r\n\"1000\"\r\n";  // an empty dbs.crm is a bad one
    const std::tuple<QByteArray, QStringList, int, int, const char *> cases[] = {{{}, {"ED", "--surface", "off"}, 0, 449, ""},
        {{}, {"ED"}, 0, 343, ""}, {{}, {"ed", "--surface", "hard", "--type", "vlp", "--min-length", "1000"}, 0, 48, ""},
        {hardVlp1000, {"ED"}, 0, 48, ""}, {{}, {"ED", "--min-length", "abc"}, 2, 0, "Bitte Daten der Landebahnlänge"},
        {{}, {"ed", "--surface", "hard", "--type", "vlp", "--min-length", "1.000"}, 0, 48, ""},
        {{}, {"ED", "--type", "none"}, 1, 0, ""}, {{}, {"ED", "--surface", "hart"}, 2, 0, "--surface"}};
    for (const auto &[dbsCrm, arguments, exitCode, count, message] : cases) {
        test::writeFile(dir.filePath("dbs.crm"), dbsCrm);
        const test::CommandResult r = run(QStringList{"list", "--json"} + arguments);
        const int listed = QJsonDocument::fromJson(r.out)["count"].toInt();
        EXPECT_TRUE(r.exitCode == exitCode && listed == count && r.err.contains(message)) << arguments.join(u' ').toStdString();
        EXPECT_EQ(test::readFile(dir.filePath("dbs.crm")), dbsCrm);
    }
}

TEST_F(ManagerCli, DeleteSurvivesAKillAsksFirstAndRemovesTheAirportFromEveryTable) {
    ASSERT_EQ(run({"note", "EDDF", "Kontakt", "--text", "x"}).exitCode, 0);
    test::executeSql(dir.filePath("vmdata.vmd"), "INSERT INTO MAPDATA (ICAO, Number) VALUES ('EDDF', 0)");
    const std::string whole = rowsOfEddf();
    for (const char *stage : {"RWY", "ARPT"}) {  // killed between two statements
        ASSERT_TRUE(test::runKilledAt(dir.path(), {"delete", "EDDF", "--yes"}, "VOLMIRA_DELETE_PAUSE", stage));
        EXPECT_EQ(run({"lookup", "EDDF"}).exitCode, 0) << stage;  // the next start rolls back what the kill left
        EXPECT_EQ(rowsOfEddf(), whole) << stage;
    }
    for (const QByteArray answer : {"", "n\n", "jaa\n"})
        EXPECT_TRUE(run({"delete", "eddf"}, answer).err.startsWith("Soll der Flughafen - EDDF - Frankfurt Main Airport - gelöscht"));
    EXPECT_EQ(run({"delete", "EDQQ", "--yes"}).err, "Fehler beim Löschen - Flugplatz wurde nicht gelöscht\n");
    EXPECT_EQ(rowsOfEddf(), whole);
    EXPECT_EQ(QJsonDocument::fromJson(run({"delete", "eddf", "--yes", "--json"}).out).toJson(QJsonDocument::Compact),
              R"({"ACOM":15,"ICAO":"EDDF","ILS":0,"MAPDATA":1,"MyInfo":1,"Name":"Frankfurt Main Airport","RWY":4})");
    EXPECT_EQ(rowsOfEddf(), "");
    EXPECT_EQ(run({"delete", "EDDM"}, "JA\n").exitCode + run({"delete", "TQPF"}, "j\n").exitCode, 0);  // Anguilla's only one
    const QByteArray countries = run({"countries"}).out;
    EXPECT_TRUE(countries.contains("447  Deutschland") && !countries.contains("Anguilla") && countries.contains("Insgesamt 19228"));
}
