#include "browser/AirportLookup.h"
#include "browser/NoteActions.h"
#include "support/SampleAirports.h"

#include <gtest/gtest.h>

using namespace volmira;
using namespace volmira::browser;

TEST(NotePanel, ASaveMarksAndAnEmptiedNoteUnmarksWhatTheLookupSelects) {
    test::TempDatabase t;
    test::addSampleAirports(t);
    test::expectOk(t.store->notes.insertCategory("Kontakt").error());
    test::expectOk(t.store->notes.setLastKat("EDDF", "*Kontakt").error());
    t.clock.set(QDateTime(QDate(2026, 8, 7), QTime(9, 5, 0)));
    const store::NoteText text{{store::NoteParagraph{{store::NoteRun{"PPR", true, platform::Rgb{255, 0, 0}}}}}};
    const store::NoteText blanks{{store::NoteParagraph{{store::NoteRun{"   "}}}}};
    // LastKat "*Kontakt" selects the entry only while it is marked; blanks mark, an emptied note does not.
    std::optional<store::Stamp> loaded;
    for (const auto &[note, entry, selected] :
         {std::tuple{text, "*Kontakt", 0}, {blanks, "*Kontakt", 0}, {store::NoteText{}, "Kontakt", -1}}) {
        EXPECT_EQ(std::get<SavedNote>(saveNote(*t.store, "eddf", "*Kontakt", note, loaded).value()).lblAktuell,
                  "Letzte Aktualisierung: 07.08.2026 - 09:05:00");
        loaded = store::Stamp{"2026-08-07", "09:05:00"};
        const AirportView view = lookupAirport(*t.store, "EDDF", QDate(2026, 8, 7)).value().value();
        EXPECT_EQ(view.categories, QStringList{entry});
        EXPECT_EQ(view.lastKatEntry, selected);
    }
    EXPECT_EQ(saveNote(*t.store, "EDQQ", "Kontakt", text, std::nullopt).error(), store::airportGoneMessage("EDQQ"));
    EXPECT_TRUE(t.store->notes.ofAirport("EDQQ").value().empty());
}

// Another program deletes the category of the note being typed: it is not stored again.
TEST(NotePanel, ANoteDeletedMeanwhileIsNotStoredAgain) {
    test::TempDatabase t;
    test::addSampleAirports(t);
    test::expectOk(t.store->notes.insertCategory("Kontakt").error());
    test::expectOk(t.store->notes.insert({0, "EDDF", "Kontakt", "Alt", "Alt", "2026-03-01", "08:00:00"}).error());
    test::expectOk(test::OtherProgram(t).store->notes.deleteCategory("Kontakt").error());
    const store::Stamp entered{"2026-03-01", "08:00:00"};
    EXPECT_EQ(test::outcomeOf(saveNote(*t.store, "EDDF", "Kontakt", store::NoteText{}, entered)), "vanished");
    EXPECT_TRUE(t.store->notes.ofAirport("EDDF").value().empty());
}
