#include "browser/AirportLookup.h"
#include "browser/NoteActions.h"
#include "browser/NotePanel.h"
#include "browser/Rtf.h"
#include "support/QtPrinters.h"
#include "support/SampleAirports.h"

#include <gtest/gtest.h>

using namespace volmira;
using namespace volmira::browser;

TEST(NotePanel, AnEntryIsFoundByNameMarkIgnoredLastKatOnlyWhole) {
    const QStringList entries{"Allgemein", "*Kontakt", "Tanken"};
    const struct {
        const char *name;
        int byName, byLastKat;
    } cases[] = {{"*Kontakt", 1, 1}, {"kontakt", 1, -1}, {"*Tanken", 2, -1}, {"Fehlt", -1, -1}, {"", -1, -1}};
    for (const auto &c : cases) {
        EXPECT_EQ(findCategoryEntry(entries, c.name), c.byName) << c.name;
        EXPECT_EQ(lastKatEntry(entries, c.name), c.byLastKat) << c.name;
    }
    EXPECT_EQ(lblAktuellText("2026-08-07", "09:05:00"), "Letzte Aktualisierung: 07.08.2026 - 09:05:00");
    EXPECT_EQ(lblAktuellText("", "09:05:00"), "");
}

TEST(NotePanel, ASaveMarksAndAnEmptiedNoteUnmarksWhatTheLookupSelects) {
    test::TempDatabase t;
    test::addSampleAirports(t);
    test::expectOk(t.store->notes.insertCategory("Kontakt").error());
    test::expectOk(t.store->notes.setLastKat("EDDF", "*Kontakt").error());
    t.clock.set(QDateTime(QDate(2026, 8, 7), QTime(9, 5, 0)));
    const NoteText text{{NoteParagraph{{NoteRun{"PPR", true, Rgb{255, 0, 0}}}}}};
    const struct {
        NoteText note;
        const char *entry;
        int selected;
    } cases[] = {{text, "*Kontakt", 0}, {NoteText{}, "Kontakt", -1}};
    for (const auto &c : cases) {
        const SavedNote saved = saveNote(*t.store, "eddf", "*Kontakt", c.note).value();
        EXPECT_EQ(saved.lblAktuell, "Letzte Aktualisierung: 07.08.2026 - 09:05:00");
        EXPECT_TRUE(saved.lastUpdate.title.endsWith("Info Kategorie: Kontakt - 07 Aug 26"));
        const AirportView view = lookupAirport(*t.store, "EDDF", QDate(2026, 8, 7)).value().value();
        EXPECT_EQ(view.categories, QStringList{c.entry});
        EXPECT_EQ(view.lastKatEntry, c.selected);
        EXPECT_EQ(view.airport.LastDate, "2026-08-07");
        ASSERT_EQ(view.notes.size(), 1u);
        EXPECT_EQ(readNote(view.notes[0].MyInfo), c.note);
    }
    EXPECT_EQ(saveNote(*t.store, "EDQQ", "Kontakt", text).error(), kNotFoundMessage.toString());
    EXPECT_TRUE(t.store->notes.ofAirport("EDQQ").value().empty());
}
