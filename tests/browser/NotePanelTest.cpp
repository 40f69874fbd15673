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
    const NoteText text{{NoteParagraph{{NoteRun{"PPR", true, Rgb{255, 0, 0}}}}}};
    const NoteText blanks{{NoteParagraph{{NoteRun{"   "}}}}};
    // LastKat "*Kontakt" selects the entry only while it is marked; blanks mark, an emptied note does not.
    for (const auto &[note, entry, selected] :
         {std::tuple{text, "*Kontakt", 0}, {blanks, "*Kontakt", 0}, {NoteText{}, "Kontakt", -1}}) {
        EXPECT_EQ(saveNote(*t.store, "eddf", "*Kontakt", note).value().lblAktuell, "Letzte Aktualisierung: 07.08.2026 - 09:05:00");
        const AirportView view = lookupAirport(*t.store, "EDDF", QDate(2026, 8, 7)).value().value();
        EXPECT_EQ(view.categories, QStringList{entry});
        EXPECT_EQ(view.lastKatEntry, selected);
    }
    EXPECT_EQ(saveNote(*t.store, "EDQQ", "Kontakt", text).error(), kNotFoundMessage.toString());
    EXPECT_TRUE(t.store->notes.ofAirport("EDQQ").value().empty());
}
