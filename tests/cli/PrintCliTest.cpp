#include "support/Command.h"
#include "support/Files.h"
#include "support/QtPrinters.h"
#include "support/TableDump.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira;

struct PrintCli : ::testing::Test {
    QTemporaryDir dir;
    test::CommandResult run(const QStringList &arguments) { return test::runCommand(dir.path(), arguments); }
    QString pdf(const char *name = "liste.pdf") const { return dir.filePath(name); }
};

TEST_F(PrintCli, PrintsApproachesTheSummaryAndTheContactNoteOfEddf) {
    ASSERT_EQ(run({"approach", "add", "EDDF", "25C", "--ils-freq", "110.100", "--om-freq", "75", "--yes"}).exitCode, 0);
    ASSERT_EQ(run({"note", "EDDF", "Kontakt", "--text", "Turm 069 690\nNur nach Anmeldung"}).exitCode, 0);
    const test::CommandResult r = run({"print", "EDDF", "--surface", "off", "--pdf", pdf(), "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject eddf = QJsonDocument::fromJson(r.out)["airports"][0].toObject();
    EXPECT_TRUE(eddf["Frequenzen"].toString().endsWith("(SOUTH) 119.905 …")) << eddf["Frequenzen"].toString().toStdString();
    QStringList approaches;
    for (const QJsonValue &line : eddf["cmdGroup"].toArray())
        approaches << line["RWY"].toString() + ": " + line["ILS"].toString() + " | " + line["OM"].toString();
    EXPECT_TRUE(approaches.contains("07C / 25C: -------- \\ 110.100 | ---- \\ 75")) << approaches.join(", ").toStdString();
    EXPECT_EQ(eddf["cmdGroup"].toArray().last()["Kontakt"].toString(), "Turm 069 690\r\nNur nach Anmeldung");
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf(), "-"});
    const QString text = pdftotext.waitForFinished(30000) ? QString::fromUtf8(pdftotext.readAllStandardOutput()) : "";
    for (const char *expected : {"Volmira Flughafenliste", "EDDF", "-------- \\ 110.100", "Turm 069 690"})
        EXPECT_TRUE(text.contains(expected)) << expected;
    EXPECT_FALSE(text.contains("Nur nach Anmeldung"));  // short contacts: the first line
}

TEST_F(PrintCli, AKillAndTheFailingExitCodesLeaveTheTableAndAnOlderFile) {
    const auto rwyRoute = [this] {
        store::Database db;
        EXPECT_TRUE(db.open(dir.filePath("vmdata.vmd")).ok());
        return test::dumpTable(db, "RwyRoute");
    };
    ASSERT_EQ(run({"print", "EDD", "--pdf", pdf()}).exitCode, 0);
    const QStringList before = rwyRoute();
    const QByteArray older = test::readFile(pdf());
    ASSERT_TRUE(test::runKilledAt(dir.path(), {"print", "ED", "--pdf", pdf()}, "VOLMIRA_PRINT_PAUSE", "refill"));
    EXPECT_EQ(run({"lookup", "EDDF"}).exitCode, 0);  // the next start rolls back what the kill left
    EXPECT_EQ(rwyRoute(), before);
    const struct { QStringList arguments; int exitCode; const char *message; } cases[] = {
        {{"print", "QQ", "--pdf", pdf()}, 1, "Die Flughafenliste ist leer – es gibt nichts zu drucken."},
        {{"print", "E%'_", "--pdf", pdf()}, 1, "ist leer"},  // no wildcards, no quoting faults
        {{"print", "ED", "--pdf", dir.filePath("fehlt/liste.pdf")}, 3, "kann nicht geschrieben werden"},
        {{"print", "ED"}, 2, "--pdf"},
        {{"print", "ED", "--pdf", pdf(), "--breit"}, 2, "Unbekannte Option"},
    };
    for (const auto &c : cases) {
        const test::CommandResult r = run(c.arguments);
        EXPECT_TRUE(r.exitCode == c.exitCode && r.err.contains(c.message)) << r.exitCode << r.err.toStdString();
        EXPECT_EQ(test::readFile(pdf()), older);
    }
    const test::CommandResult written = run({"print", "EDD", "--pdf", pdf()});  // no lock left
    EXPECT_TRUE(QRegularExpression(R"(^\d+ Flughäfen, \d+ Zeilen, \d+ Seiten nach .+liste\.pdf geschrieben\.\n$)")
                    .match(QString::fromUtf8(written.out)).hasMatch()) << written.out.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList({"*.pdf*"}, QDir::Files), QStringList{"liste.pdf"});
}
