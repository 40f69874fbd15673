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
    static QString pdfText(const QString &file) {
        QProcess p;
        p.start("pdftotext", {"-layout", file, "-"});
        EXPECT_TRUE(p.waitForFinished(30000));
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    QStringList rwyRoute() {
        store::Database db;
        EXPECT_TRUE(db.open(dir.filePath("vmdata.vmd")).ok());
        return test::dumpTable(db, "RwyRoute");
    }
};

TEST_F(PrintCli, PrintsApproachesTheSummaryAndTheContactNoteOfEddf) {
    ASSERT_EQ(run({"approach", "add", "EDDF", "25C", "--ils-freq", "110.100", "--om-freq", "75", "--yes"}).exitCode, 0);
    ASSERT_EQ(run({"note", "EDDF", "Kontakt", "--text", "Turm 069 690\nNur nach Anmeldung"}).exitCode, 0);
    const test::CommandResult r = run({"print", "EDDF", "--surface", "off", "--pdf", pdf(), "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject eddf = QJsonDocument::fromJson(r.out)["airports"][0].toObject();
    EXPECT_EQ(eddf["ICAO"].toString(), "EDDF");
    EXPECT_TRUE(eddf["Frequenzen"].toString().endsWith("(SOUTH) 119.905 …")) << eddf["Frequenzen"].toString().toStdString();
    const QJsonArray lines = eddf["cmdGroup"].toArray();
    QStringList approaches;
    for (const QJsonValue &line : lines)
        approaches << line["RWY"].toString() + ": " + line["ILS"].toString() + " | " + line["OM"].toString();
    EXPECT_TRUE(approaches.contains("07C / 25C: -------- \\ 110.100 | ---- \\ 75")) << approaches.join(", ").toStdString();
    EXPECT_EQ(lines.last()["Kontakt"].toString(), "Turm 069 690\r\nNur nach Anmeldung");  // as the note keeps it

    const QString text = pdfText(pdf());
    for (const char *expected : {"Volmira Flughafenliste", "EDDF", "-------- \\ 110.100", "Turm 069 690"})
        EXPECT_TRUE(text.contains(expected)) << expected;
    EXPECT_FALSE(text.contains("Nur nach Anmeldung"));  // short contacts: the first line
    ASSERT_EQ(run({"print", "EDDF", "--surface", "off", "--long-contacts", "--pdf", pdf()}).exitCode, 0);
    EXPECT_TRUE(pdfText(pdf()).contains("Nur nach Anmeldung"));
}

TEST_F(PrintCli, ExitCodesLeaveAnOlderFileAsItWas) {
    test::writeFile(pdf("old.pdf"), "older list");
    const struct { QStringList arguments; int exitCode; const char *message; } cases[] = {
        {{"print", "QQ", "--pdf", pdf("old.pdf")}, 1, "Die Flughafenliste ist leer – es gibt nichts zu drucken."},
        {{"print", "E%", "--pdf", pdf("old.pdf")}, 1, "ist leer"},  // no wildcards, no quoting faults
        {{"print", "'_\"", "--pdf", pdf("old.pdf")}, 1, "ist leer"},
        {{"print", "ED", "--pdf", dir.filePath("fehlt/liste.pdf")}, 3, "kann nicht geschrieben werden"},
        {{"print", "ED"}, 2, "--pdf"},
        {{"print", "--pdf", pdf("old.pdf")}, 2, "Aufruf"},
        {{"print", "ED", "--pdf", pdf("old.pdf"), "--breit"}, 2, "Unbekannte Option"},
    };
    for (const auto &c : cases) {
        const test::CommandResult r = run(c.arguments);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
        EXPECT_EQ(test::readFile(pdf("old.pdf")), "older list");
    }
    const test::CommandResult written = run({"print", "ED", "--type", "VLP", "--pdf", pdf("old.pdf")});
    EXPECT_EQ(written.exitCode, 0);
    EXPECT_TRUE(QRegularExpression("^\\d+ Flughäfen, \\d+ Zeilen, \\d+ Seiten nach .*old\\.pdf geschrieben\\.\\n$")
                    .match(QString::fromUtf8(written.out))
                    .hasMatch())
        << written.out.toStdString();
}

TEST_F(PrintCli, AKillMidWayLeavesTheTableAndTheOlderFile) {
    ASSERT_EQ(run({"print", "EDD", "--pdf", pdf()}).exitCode, 0);
    const QStringList before = rwyRoute();
    const QByteArray older = test::readFile(pdf());
    ASSERT_TRUE(test::runKilledAt(dir.path(), {"print", "ED", "--pdf", pdf()}, "VOLMIRA_PRINT_PAUSE", "refill"));
    EXPECT_EQ(run({"lookup", "EDDF"}).exitCode, 0);  // the next start rolls back what the kill left
    EXPECT_EQ(rwyRoute(), before);
    EXPECT_EQ(test::readFile(pdf()), older);
    EXPECT_EQ(run({"print", "EDD", "--pdf", pdf()}).exitCode, 0);  // no lock left
    EXPECT_EQ(QDir(dir.path()).entryList({"*.pdf*"}, QDir::Files), QStringList{"liste.pdf"});
}
