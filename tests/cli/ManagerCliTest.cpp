// The manager's list and delete through the real executable on a copy of the shipped database.
#include "store/Database.h"

#include "support/Command.h"
#include "support/Files.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira;

namespace {

struct ManagerCli : ::testing::Test {
    QTemporaryDir dir;
    void SetUp() override { ASSERT_EQ(run({"countries"}).exitCode, 0); }
    test::CommandResult run(const QStringList &arguments, const QByteArray &input = {}) {
        return test::runCommand(dir.path(), arguments, input);
    }
    int countOf(const QString &prefix) {
        for (const QJsonValue c : QJsonDocument::fromJson(run({"countries", "--json"}).out)["countries"].toArray())
            if (c["ICAO"].toString() == prefix) return c["Anzahl"].toInt();
        return 0;
    }
    // The rows the airport holds in each of the six tables: "ARPT=1 RWY=4 ...".
    std::string rowsOf(const char *icao) {
        store::Database db;
        EXPECT_TRUE(db.open(dir.filePath("vmdata.vmd"), store::Database::Mode::ReadOnly).ok());
        QStringList counts;
        for (const char *table : {"ARPT", "RWY", "ACOM", "ILS", "MyInfo", "MAPDATA"}) {
            store::Statement &s = db.prepare((std::string("SELECT count(*) FROM ") + table + " WHERE ICAO = ?").c_str());
            s.bind(1, icao);
            counts << QString("%1=%2").arg(table).arg(s.firstRow([](const store::Statement &r) { return r.integer(0); })
                                                          .value()
                                                          .value_or(-1));
        }
        return counts.join(u' ').toStdString();
    }
};

}  // namespace

TEST_F(ManagerCli, ListTakesItsOptionsOverDbsCrmAndNeverWritesIt) {
    const QByteArray hardVlp1000 = "1\r\n2\r\n1\r\n0\r\n\"1000\"\r\n";
    const struct {
        QByteArray dbsCrm;  // empty: none
        QStringList arguments;
        int exitCode;
        int count;
        const char *message;
    } cases[] = {
        {{}, {"ED", "--surface", "off"}, 0, 449, ""},
        {{}, {"ED"}, 0, 343, ""},
        {{}, {"ed", "--surface", "hard", "--type", "vlp", "--min-length", "1000"}, 0, 48, ""},
        {hardVlp1000, {"ED"}, 0, 48, ""},
        {hardVlp1000, {"ED", "--type", "any", "--min-length", " 0 "}, 0, 187, ""},  // hard, as --surface hard
        {"1\r\n1\r\n5\r\n0\r\n\"1000\"\r\n", {"ED"}, 0, 343, ""},
        {"1\r\n1\r\n1\r\n1\r\n\"abc\"\r\n", {"ED"}, 0, 343, "Bitte Daten der Landebahnlänge überprüfen."},
        {{}, {"ED", "--min-length", "abc"}, 0, 343, "Bitte Daten der Landebahnlänge überprüfen."},
        {{}, {"ED", "--type", "none"}, 1, 0, ""},
        {{}, {"ED", "--surface", "hart"}, 2, -1, "--surface"},
        {{}, {"ED", "--type", ""}, 2, -1, "--type"},
        {{}, {"EDDFX"}, 2, -1, "1 bis 4 Zeichen"},
        {{}, {"E%"}, 1, 0, ""},
    };
    for (const auto &c : cases) {
        QFile::remove(dir.filePath("dbs.crm"));
        if (!c.dbsCrm.isEmpty()) test::writeFile(dir.filePath("dbs.crm"), c.dbsCrm);
        const test::CommandResult r = run(QStringList{"list"} + c.arguments + QStringList{"--json"});
        const std::string shown = (c.dbsCrm + " " + c.arguments.join(u' ').toUtf8()).toStdString();
        EXPECT_EQ(r.exitCode, c.exitCode) << shown << ": " << r.err.toStdString();
        if (c.count >= 0) {
            EXPECT_EQ(QJsonDocument::fromJson(r.out)["count"].toInt(-1), c.count) << shown;
        }
        EXPECT_TRUE(r.err.contains(c.message)) << shown << ": " << r.err.toStdString();
        EXPECT_EQ(test::readFile(dir.filePath("dbs.crm")), c.dbsCrm.isEmpty() ? "(keine Datei)" : c.dbsCrm)
            << shown;  // never written
    }
    EXPECT_EQ(run({"list", "ED", "--type", "none"}).out, "0 Flughäfen\n");
}

TEST_F(ManagerCli, DeleteAsksFirstAndRemovesTheAirportFromEveryTable) {
    ASSERT_EQ(run({"note", "EDDF", "Kontakt", "--text", "x"}).exitCode, 0);
    test::executeSql(dir.filePath("vmdata.vmd"), "INSERT INTO MAPDATA (ICAO, Number, File) VALUES ('EDDF', 0, 'k.jpg')");
    const int ed = countOf("ED");
    for (const QByteArray answer : {"", "n\n", "nein\n", "jaa\n"}) {
        const test::CommandResult r = run({"delete", "eddf"}, answer);
        EXPECT_EQ(r.exitCode, 1) << answer.constData();
        EXPECT_TRUE(r.err.startsWith("Soll der Flughafen - EDDF - Frankfurt")) << r.err.toStdString();
    }
    const test::CommandResult unknown = run({"delete", "EDQQ", "--yes"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.err.trimmed(), "Fehler beim Löschen - Flugplatz wurde nicht gelöscht");
    EXPECT_EQ(rowsOf("EDDF"), "ARPT=1 RWY=4 ACOM=15 ILS=0 MyInfo=1 MAPDATA=1");

    const test::CommandResult deleted = run({"delete", "eddf", "--yes", "--json"});
    ASSERT_EQ(deleted.exitCode, 0) << deleted.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(deleted.out).toJson(QJsonDocument::Compact),
              R"({"ACOM":15,"ICAO":"EDDF","ILS":0,"MAPDATA":1,"MyInfo":1,"Name":"Frankfurt Main Airport","RWY":4})");
    EXPECT_EQ(rowsOf("EDDF"), "ARPT=0 RWY=0 ACOM=0 ILS=0 MyInfo=0 MAPDATA=0");
    EXPECT_EQ(run({"lookup", "EDDF"}).exitCode, 1);
    EXPECT_EQ(countOf("ED"), ed - 1);

    const QJsonArray tq = QJsonDocument::fromJson(run({"list", "TQ", "--surface", "off", "--json"}).out)["airports"].toArray();
    ASSERT_EQ(tq.size(), 1);
    for (const QByteArray answer : {"j\n", "JA\n"}) EXPECT_EQ(run({"delete", tq[0]["ICAO"].toString()}, answer).exitCode, answer == "j\n" ? 0 : 1);
    EXPECT_EQ(countOf("TQ"), 0);
}

TEST_F(ManagerCli, ADeleteKilledBetweenTwoStatementsLeavesTheAirportWhole) {
    ASSERT_EQ(run({"note", "EDDF", "Kontakt", "--text", "x"}).exitCode, 0);
    test::executeSql(dir.filePath("vmdata.vmd"), "INSERT INTO MAPDATA (ICAO, Number, File) VALUES ('EDDF', 0, 'k.jpg')");
    const std::string whole = rowsOf("EDDF");
    for (const char *stage : {"RWY", "ILS", "MAPDATA", "ARPT"}) {
        ASSERT_TRUE(test::runKilledAt(dir.path(), {"delete", "EDDF", "--yes"}, "VOLMIRA_DELETE_PAUSE", stage)) << stage;
        const test::CommandResult next = run({"lookup", "EDDF"});  // a reader rolls back what the kill left
        EXPECT_EQ(next.exitCode, 0) << stage << ": " << next.err.toStdString();
        EXPECT_EQ(rowsOf("EDDF"), whole) << stage;
    }
    EXPECT_EQ(run({"delete", "EDDF", "--yes"}).exitCode, 0);
    EXPECT_EQ(rowsOf("EDDF"), "ARPT=0 RWY=0 ACOM=0 ILS=0 MyInfo=0 MAPDATA=0");
}
