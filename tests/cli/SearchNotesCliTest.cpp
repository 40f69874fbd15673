// The search in the notes through the real executable on a copy of the shipped database.
#include "support/Command.h"
#include "support/NoteIndexCheck.h"
#include "support/UpdateFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira;

namespace {

struct SearchNotesCli : ::testing::Test {
    QTemporaryDir dir;
    void SetUp() override { ASSERT_EQ(run({"countries"}).exitCode, 0); }
    test::CommandResult run(const QStringList &arguments) { return test::runCommand(dir.path(), arguments); }
    // The hits of `search-notes PPR` as "ICAO Category", apart by ", ".
    std::string hits() {
        const test::CommandResult found = run({"search-notes", "PPR", "--json"});
        QStringList shown;
        for (const QJsonValue hit : QJsonDocument::fromJson(found.out).array())
            shown << hit["ICAO"].toString() + " " + hit["Category"].toString();
        EXPECT_EQ(found.exitCode, shown.isEmpty() ? 1 : 0) << found.err.toStdString();
        return shown.join(", ").toStdString();
    }
    std::string mismatch() {
        store::Database db;
        if (!db.open(dir.filePath("vmdata.vmd"), store::Database::Mode::ReadOnly).ok()) return "nicht lesbar";
        return test::noteIndexMismatch(db).toStdString();
    }
    QString updateFile() {
        return test::UpdateFile().airport("EDHN", "Neumünster").note("EDHN", "Kontakt", "PPR beim Turm").save(dir.filePath("u.vmd"));
    }
};

}  // namespace

TEST_F(SearchNotesCli, EveryWriteOfNotesKeepsTheSearchInStep) {
    const struct {
        QStringList command;
        const char *hits;
    } steps[] = {
        {{"note", "EDDF", "Kontakt", "--text", "Nur nach PPR 24h"}, "EDDF Kontakt"},
        {{"note", "EDDM", "Tanken", "--text", "AVGAS\nppr beim Tankwart"}, "EDDF Kontakt, EDDM Tanken"},
        {{"note", "EDDF", "Kontakt", "--text", "Tel. Turm"}, "EDDM Tanken"},
        {{"category", "rename", "Tanken", "Kraftstoff"}, "EDDM Kraftstoff"},
        {{"note", "EDDF", "Kontakt", "--text", "PPR"}, "EDDF Kontakt, EDDM Kraftstoff"},
        {{"category", "delete", "Kraftstoff", "--yes"}, "EDDF Kontakt"},
        {{"delete", "EDDF", "--yes"}, ""},
        {{"import", updateFile()}, "EDHN Kontakt"},
    };
    for (const auto &step : steps) {
        const test::CommandResult done = run(step.command);
        ASSERT_EQ(done.exitCode, 0) << step.command.join(' ').toStdString() << done.err.toStdString();
        EXPECT_EQ(hits(), step.hits) << step.command.join(' ').toStdString();
        EXPECT_EQ(mismatch(), "") << step.command.join(' ').toStdString();
    }
    const test::CommandResult shown = run({"search-notes", "beim ppr", "--category", "KONTAKT"});
    EXPECT_EQ(shown.out.toStdString(), "EDHN  Neumünster  Kontakt: PPR beim Turm\n");
    const test::CommandResult none = run({"search-notes", "PPR", "--category", "Allgemein"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.err.toStdString(), "Keine Notiz enthält den Suchtext.\n");
    EXPECT_EQ(run({"search-notes", "\"*\""}).exitCode, 2);
}

// A kill between a write's statements leaves the notes and their index as they were.
TEST_F(SearchNotesCli, AKillDuringAWriteNeverLeavesIndexAndNotesApart) {
    for (const char *code : {"EDDF", "EDDM"}) ASSERT_EQ(run({"note", code, "Kontakt", "--text", "PPR"}).exitCode, 0);
    const struct {
        QStringList command;
        const char *variable;
        const char *stage;
    } kills[] = {
        {{"note", "EDDF", "Kontakt", "--text", "neu"}, "VOLMIRA_NOTE_PAUSE", "written"},
        {{"note", "EDDK", "Kontakt", "--text", "neu"}, "VOLMIRA_NOTE_PAUSE", "written"},
        {{"delete", "EDDF", "--yes"}, "VOLMIRA_DELETE_PAUSE", "MAPDATA"},
        {{"category", "delete", "Kontakt", "--yes"}, "VOLMIRA_CATEGORY_PAUSE", "delete"},
        {{"import", updateFile()}, "VOLMIRA_IMPORT_PAUSE", "commit"},
    };
    for (const auto &kill : kills) {
        ASSERT_TRUE(test::runKilledAt(dir.path(), kill.command, kill.variable, kill.stage)) << kill.stage;
        EXPECT_EQ(mismatch(), "") << kill.command.join(' ').toStdString();
    }
}
