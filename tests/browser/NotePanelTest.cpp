#include "browser/AirportLookup.h"
#include "browser/NoteActions.h"
#include "support/GuardedWrites.h"
#include "support/SampleAirports.h"
#include "support/TableDump.h"

#include <gtest/gtest.h>

using namespace volmira;
using namespace volmira::browser;

TEST(NotePanel, ASaveMarksAndAnEmptiedNoteUnmarksWhatTheLookupSelects) {
    test::TempDatabase t;
    test::addSampleAirports(t);
    test::expectOk(t.store->notes.insertCategory("Kontakt").error());
    test::expectOk(t.store->notes.setLastKat("EDDF", "*Kontakt").error());
    t.clock.set(QDateTime(QDate(2026, 8, 7), QTime(9, 5, 0)));
    const NoteText text{{NoteParagraph{{NoteRun{"PPR", true, Rgb{255, 0, 0}}}}}};
    const NoteText blanks{{NoteParagraph{{NoteRun{"   "}}}}};
    // LastKat "*Kontakt" selects the entry only while it is marked; blanks mark, an emptied note does not.
    std::optional<store::Stamp> loaded;
    for (const auto &[note, entry, selected] :
         {std::tuple{text, "*Kontakt", 0}, {blanks, "*Kontakt", 0}, {NoteText{}, "Kontakt", -1}}) {
        EXPECT_EQ(test::writtenBy(saveNote(*t.store, "eddf", "*Kontakt", note, loaded)).lblAktuell,
                  "Letzte Aktualisierung: 07.08.2026 - 09:05:00");
        loaded = store::Stamp{"2026-08-07", "09:05:00"};
        const AirportView view = lookupAirport(*t.store, "EDDF", QDate(2026, 8, 7)).value().value();
        EXPECT_EQ(view.categories, QStringList{entry});
        EXPECT_EQ(view.lastKatEntry, selected);
    }
    EXPECT_TRUE(t.store->notes.ofAirport("EDQQ").value().empty());
}

// The note as the editor was entered: none, or one stamped 2026-03-01. Another
// program then writes, changes or deletes it, or deletes the airport; the save
// stores only over the note as it was entered.
TEST(NotePanel, ASaveStoresOnlyOverTheNoteAsItWasEntered) {
    const NoteText text{{NoteParagraph{{NoteRun{"Neu"}}}}};
    const store::Stamp entered{"2026-03-01", "08:00:00"};
    enum Meanwhile { Nothing, Saved, CategoryDeleted, AirportDeleted };
    const struct {
        bool held;  // the airport held a note when the editor was entered
        Meanwhile meanwhile;
        QString outcome;
    } cases[] = {
        {false, Nothing, "written"},
        {false, Saved, "changed 2026-03-15 09:00:00"},
        {true, Nothing, "written"},
        {true, Saved, "changed 2026-03-15 09:00:00"},
        {true, CategoryDeleted, "vanished"},
        {true, AirportDeleted, store::airportGoneMessage("EDDF")},
    };
    for (const auto &c : cases) {
        test::TempDatabase t;
        test::addSampleAirports(t);
        test::expectOk(t.store->notes.insertCategory("Kontakt").error());
        if (c.held) test::expectOk(t.store->notes.insert({0, "EDDF", "Kontakt", "Alt", "Alt", entered.Date, entered.Time}).error());
        test::OtherProgram program(t);
        if (c.meanwhile == Saved)
            EXPECT_EQ(test::outcomeOf(saveNote(*program.store, "EDDF", "Kontakt", text, c.held ? std::optional(entered) : std::nullopt)), "written");
        if (c.meanwhile == CategoryDeleted) test::expectOk(program.store->notes.deleteCategory("Kontakt").error());
        if (c.meanwhile == AirportDeleted) ASSERT_TRUE(program.store->deletion.deleteAirport("EDDF").ok());
        const QStringList before = test::dumpAirportData(t.db);
        EXPECT_EQ(test::outcomeOf(saveNote(*t.store, "EDDF", "Kontakt", text, c.held ? std::optional(entered) : std::nullopt)),
                  c.outcome) << c.held << c.meanwhile;
        if (c.meanwhile != Nothing) EXPECT_EQ(test::dumpAirportData(t.db), before) << c.held << c.meanwhile;
    }
}
