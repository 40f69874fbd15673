// Notes and categories through the real executable on a copy of the shipped database.
#include "support/Command.h"
#include "support/Files.h"

#include "platform/Clock.h"
#include "store/Database.h"
#include "store/NoteStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

using namespace volmira;

namespace {

struct NoteCli : ::testing::Test {
    QTemporaryDir dir;
    void SetUp() override { ASSERT_EQ(run({"countries"}).exitCode, 0); }
    test::CommandResult run(const QStringList &arguments) { return test::runCommand(dir.path(), arguments); }
    QJsonDocument json(QStringList arguments) { return QJsonDocument::fromJson(run(arguments << "--json").out); }
    // Each category with the number of airports it marks: "Kontakt=2".
    QString categories() {
        QStringList shown;
        for (const QJsonValue c : json({"categories"}).array())
            shown << c["Category"].toString() + "=" + QString::number(c["notes"].toInt());
        return shown.join(u',');
    }
};

}  // namespace

TEST_F(NoteCli, ANoteFromAFileIsStoredAsTheWindowStoresItAndCategoriesTakeTheirNotesAlong) {
    // As word processors write it: bold, two colours, escapes and a destination of their own.
    test::writeFile(dir.filePath("N.rtf"), "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;"
                                           "\\red0\\green0\\blue255;}{\\*\\fremd Nicht zeigen}\\pard Tank \\b M\\'fcller\\b0"
                                           "\\tab\\cf1 rot\\cf2  blau \\u8364?\\cf0\\par zwei\\par}");
    const test::CommandResult saved = run({"note", "EDDF", "Kontakt", "--from-file", dir.filePath("N.rtf")});
    ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    const QJsonValue note = json({"notes", "EDDF"})["notes"][0];
    EXPECT_EQ(note["text"].toString(), "Tank Müller\trot blau €\nzwei");
    EXPECT_EQ(note["PrintInfo"].toString(), "Tank Müller" + QString(10, u' ') + "rot blau €\r\nzwei");
    QStringList runs;
    for (const QJsonValue r : note["runs"].toArray())
        runs << r["text"].toString() + (r["bold"].toBool() ? "|b|" : "||") + r["colour"].toString();
    EXPECT_EQ(runs, (QStringList{"Tank ||", "Müller|b|", "\t||", "rot||FF0000", " blau €||0000FF", "\n||", "zwei||"}));
    EXPECT_TRUE(run({"lookup", "EDDF"}).out.contains("Letzte Aktualisierung - Info Kategorie: Kontakt - "));
    EXPECT_TRUE(run({"changed"}).out.contains("EDDF"));

    ASSERT_EQ(run({"note", "EDDM", "kontakt", "--text", "x"}).exitCode, 0);
    const test::CommandResult taken = run({"category", "rename", "Kontakt", "Tanken"});
    EXPECT_EQ(taken.exitCode, 1);
    EXPECT_EQ(taken.err.trimmed(), "Die Kategorie existiert schon.");
    ASSERT_EQ(run({"category", "rename", "Kontakt", "Kontakt's Info"}).exitCode, 0);
    EXPECT_EQ(categories(), "Allgemein=0,Gebühren=0,Kontakt's Info=2,Tanken=0");
    EXPECT_EQ(json({"notes", "EDDM"})["categories"][2].toString(), "*Kontakt's Info");
    EXPECT_EQ(run({"category", "delete", "Kontakt's Info"}).exitCode, 1);  // the question, not answered
    ASSERT_EQ(run({"category", "delete", "Kontakt's Info", "--yes"}).exitCode, 0);
    EXPECT_EQ(categories(), "Allgemein=0,Gebühren=0,Tanken=0");
    EXPECT_TRUE(json({"notes", "EDDF"})["notes"].toArray().isEmpty());
}

TEST_F(NoteCli, RefusedAndFailedCommandsStoreNothing) {
    test::writeFile(dir.filePath("latin1.txt"), "M\xfcller");
    const struct {
        QStringList arguments;
        int exitCode;
        const char *message;
    } cases[] = {
        {{"note", "EDDF", "Kontakt", "--from-file", dir.filePath("latin1.txt")}, 3, "weder RTF noch UTF-8"},
        {{"note", "XXXX", "Kontakt", "--text", "x"}, 1, "Es wurde kein Flughafen gefunden"},
        {{"note", "EDDF", "Fehlt", "--text", "x"}, 1, "Kategorie - Fehlt wurde nicht gefunden."},
        {{"category", "add", "*Neu"}, 1, "Bitte keinen Stern im Kategorienamen verwenden"},
        {{"category", "delete", "Fehlt", "--yes"}, 1, "Fehler beim Löschen der Kategorie "},
    };
    for (const auto &c : cases) {
        const test::CommandResult result = run(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.message;
        EXPECT_TRUE(result.err.contains(c.message)) << result.err.toStdString();
    }
    EXPECT_EQ(categories(), "Allgemein=0,Gebühren=0,Kontakt=0,Tanken=0");
    EXPECT_TRUE(run({"changed"}).out.startsWith("Keine aktualisierten Daten vorhanden"));
}

// Only the test copies stop where a crash test asks: the crash tests' variables,
// left in the environment, stop neither program of the installed ones.
TEST_F(NoteCli, ThePausesOfTheCrashTestsDoNotStopTheRealProgram) {
    QProcessEnvironment pauses;
    for (const auto &[variable, stage] :
         {std::pair{"VOLMIRA_CATEGORY_PAUSE", "rename"}, {"VOLMIRA_DELETE_PAUSE", "RWY"}, {"VOLMIRA_PRINT_PAUSE", "refill"}})
        pauses.insert(variable, stage);
    for (const QStringList &arguments : {QStringList{"category", "rename", "Kontakt", "Neu"}, {"delete", "EDDF", "--yes"},
                                         {"print", "EDDM", "--pdf", dir.filePath("liste.pdf")}})
        EXPECT_EQ(test::runCommand(dir.path(), arguments, {}, pauses).exitCode, 0) << arguments[0].toStdString();
}

TEST_F(NoteCli, ACategoryChangeKilledHalfwayLeavesTheOldNames) {
    for (const char *code : {"EDDF", "EDDM"}) ASSERT_EQ(run({"note", code, "Kontakt", "--text", "x"}).exitCode, 0);
    for (const auto &[arguments, stage] : {std::pair{QStringList{"category", "rename", "Kontakt", "Neu"}, "rename"},
                                           {QStringList{"category", "delete", "Kontakt", "--yes"}, "delete"}}) {
        ASSERT_TRUE(test::runKilledAt(dir.path(), arguments, "VOLMIRA_CATEGORY_PAUSE", stage)) << stage;
        EXPECT_EQ(categories(), "Allgemein=0,Gebühren=0,Kontakt=2,Tanken=0") << stage;
    }
}

TEST_F(NoteCli, AnEightMegabyteNoteIsWrittenAsJsonWithoutHoldingItManyTimesOver) {
    const QString line = QStringLiteral("Tankstelle am Turm, Münzautomat \"Öl\"\tgeöffnet 08-18 LT\n");
    const QString text = line.repeated(8'000'000 / line.toUtf8().size());
    {
        store::Database db;
        ASSERT_TRUE(db.open(dir.filePath("vmdata.vmd")).ok());
        const platform::SystemClock clock;
        ASSERT_TRUE(store::NoteStore(db, clock).save("EDDF", "Allgemein", text, text).ok());
    }
    // The peak of one run, spawned and waited for here; it counts this test
    // program's size at the spawn too, which the airport without notes shows.
    const auto peak = [&](const char *code) -> long {
        QByteArray program = VOLMIRA_EXECUTABLE, folder = dir.path().toLocal8Bit(),
                   output = dir.filePath("n.json").toLocal8Bit();
        char *argv[] = {program.data(), const_cast<char *>("notes"), const_cast<char *>(code),
                        const_cast<char *>("--json"), const_cast<char *>("--data-dir"), folder.data(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, output.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        int status = 0;
        rusage usage{};
        if (spawned != 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            return -1;
        return usage.ru_maxrss * 1024;
    };
    const long without = peak("EDDM"), with = peak("EDDF");
    ASSERT_TRUE(without > 0 && with > 0);
    const QJsonValue note = QJsonDocument::fromJson(test::readFile(dir.filePath("n.json")))["notes"][0];
    EXPECT_EQ(note["MyInfo"].toString(), text);
    EXPECT_TRUE(note["text"].toString().startsWith(line));
    EXPECT_EQ(note["runs"][0]["text"].toString(), line.chopped(1));
    EXPECT_LE(with - without, 10 * text.toUtf8().size());
}
