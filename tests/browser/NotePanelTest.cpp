#include "browser/AirportLookup.h"
#include "browser/NoteActions.h"
#include "support/GuardedWrites.h"
#include "support/SampleAirports.h"
#include "support/TableDump.h"

#include <gtest/gtest.h>

#include <functional>

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

// Another program writes the note where there was none, deletes its category
// or deletes the airport: the save stores nothing over that.
TEST(NotePanel, ASaveStoresNothingOverWhatAnotherProgramDidMeanwhile) {
    const NoteText text{{NoteParagraph{{NoteRun{"Neu"}}}}};
    const store::Stamp entered{"2026-03-01", "08:00:00"};
    using Act = std::function<bool(store::AirportStore &)>;
    const struct { bool held; Act other; QString outcome; } cases[] = {
        {false, [&](auto &s) { return saveNote(s, "EDDF", "Kontakt", text, std::nullopt).ok(); }, "changed 2026-03-15 09:00:00"},
        {true, [](auto &s) { return s.notes.deleteCategory("Kontakt").ok(); }, "vanished"},
        {true, [](auto &s) { return s.deletion.deleteAirport("EDDF").ok(); }, store::airportGoneMessage("EDDF")},
    };
    for (const auto &c : cases) {
        test::TempDatabase t;
        test::addSampleAirports(t);
        test::expectOk(t.store->notes.insertCategory("Kontakt").error());
        if (c.held) test::expectOk(t.store->notes.insert({0, "EDDF", "Kontakt", "Alt", "Alt", entered.Date, entered.Time}).error());
        EXPECT_TRUE(c.other(*test::OtherProgram(t).store));
        const QStringList before = test::dumpAirportData(t.db);
        const std::optional<store::Stamp> loaded = c.held ? std::optional(entered) : std::nullopt;
        EXPECT_EQ(test::outcomeOf(saveNote(*t.store, "EDDF", "Kontakt", text, loaded)), c.outcome);
        EXPECT_EQ(test::dumpAirportData(t.db), before) << c.outcome.toStdString();
    }
}
