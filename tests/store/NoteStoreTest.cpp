#include "store/AirportStore.h"

#include "support/SampleAirports.h"
#include "support/TableDump.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

#include <functional>

using namespace volmira;
using store::CategoryOutcome;
using store::NoteStore;

namespace {

// Kontakt notes at two airports, a Tanken note at one; the categories Allgemein, Kontakt, Tanken.
void addNotes(test::TempDatabase &t) {
    for (const char *icao : {"EDDF", "EDHN"}) t.add(t.airport(icao));
    for (const char *category : {"Tanken", "Kontakt", "Allgemein"}) test::expectOk(t.store->notes.insertCategory(category).error());
    test::expectOk(t.store->notes.save("EDDF", "Kontakt", "{\\rtf1 a}", "a").error());
    test::expectOk(t.store->notes.save("EDHN", "Kontakt", "{\\rtf1 b}", "b").error());
    test::expectOk(t.store->notes.save("EDHN", "Tanken", "{\\rtf1 c}", "c").error());
}

// The category rows and every note's airport and category.
QStringList categoriesAndNotes(test::TempDatabase &t) {
    return test::dumpTable(t.db, "MyCategory", {"id"}) +
           test::dumpTable(t.db, "MyInfo", {"id", "MyInfo", "PrintInfo", "Date", "Time"});
}

QString marks(test::TempDatabase &t, const char *icao) {
    QStringList shown;
    for (const store::CategoryMark &m : t.store->notes.categoryMarks(icao).value())
        shown << (m.marked ? "*" : "") + m.Category;
    return shown.join(u',');
}

}  // namespace

TEST(NoteStore, MarksFollowTheNotesPrintInfoAndSortAsTheQuickFind) {
    test::TempDatabase t;
    addNotes(t);
    for (const char *category : {"Übung", "zoll", "Ärger"}) test::expectOk(t.store->notes.insertCategory(category).error());
    const struct {
        const char *category, *printInfo;
        const char *expected;
    } cases[] = {
        {"Allgemein", "   ", "*Allgemein,Ärger,*Kontakt,*Tanken,Übung,zoll"},  // blanks only still mark
        {"Tanken", "", "*Allgemein,Ärger,*Kontakt,Tanken,Übung,zoll"},         // emptied: unmarked
        {"ZOLL", "x", "*Allgemein,Ärger,*Kontakt,Tanken,Übung,*zoll"},         // any letter case
    };
    for (const auto &c : cases) {
        test::expectOk(t.store->notes.save("EDHN", c.category, "{\\rtf1 }", c.printInfo).error());
        EXPECT_EQ(marks(t, "EDHN"), c.expected) << c.category;
    }
    EXPECT_EQ(marks(t, "EDDF"), "Allgemein,Ärger,*Kontakt,Tanken,Übung,zoll");  // the other airport's notes do not mark
    const auto counts = t.store->notes.categoryCounts().value();
    ASSERT_EQ(counts.size(), 6u);
    EXPECT_EQ(counts[2].Category + QString::number(counts[2].notes), "Kontakt2");
    EXPECT_EQ(counts[3].Category + QString::number(counts[3].notes), "Tanken0");
}

TEST(NoteStore, RenameAndDeleteReachEveryAirportAndTakeQuotes) {
    test::TempDatabase t;
    addNotes(t);
    ASSERT_EQ(t.store->notes.renameCategory("Kontakt", "Kontakt's Info").value(), std::nullopt);
    EXPECT_EQ(categoriesAndNotes(t), (QStringList{"MyCategory: \"Allgemein\"", "MyCategory: \"Kontakt's Info\"",
                                                  "MyCategory: \"Tanken\"", "MyInfo: \"EDDF\"|\"Kontakt's Info\"",
                                                  "MyInfo: \"EDHN\"|\"Kontakt's Info\"", "MyInfo: \"EDHN\"|\"Tanken\""}));
    ASSERT_EQ(t.store->notes.deleteCategory("kontakt's info").value(), std::nullopt);
    EXPECT_EQ(categoriesAndNotes(t),
              (QStringList{"MyCategory: \"Allgemein\"", "MyCategory: \"Tanken\"", "MyInfo: \"EDHN\"|\"Tanken\""}));
}

TEST(NoteStore, RefusalsChangeNothingAndACaseOnlyRenameIsAllowed) {
    const QString fifty(50, u'ü');
    const struct {
        std::function<CategoryOutcome(NoteStore &)> command;
        const char *message;  // nullptr: carried out or nothing to do
        const char *title;
        bool changes;
    } cases[] = {
        {[](NoteStore &n) { return n.addCategory(""); }, nullptr, "", false},
        {[](NoteStore &n) { return n.addCategory("*Neu"); }, "Bitte keinen Stern im Kategorienamen verwenden", "Datenfehler", false},
        {[](NoteStore &n) { return n.addCategory("kONTAKT"); }, "Die Kategorie existiert schon.", "Datenfehler", false},
        {[&](NoteStore &n) { return n.addCategory(fifty + "x"); }, "Der Kategoriename darf höchstens 50 Zeichen haben.", "Datenfehler", false},
        {[&](NoteStore &n) { return n.addCategory(fifty); }, nullptr, "", true},
        {[](NoteStore &n) { return n.addCategory("Neu*"); }, nullptr, "", true},
        {[](NoteStore &n) { return n.renameCategory("Fehlt", "X"); }, "Kategorie - Fehlt wurde nicht gefunden.", "Datenfehler", false},
        {[](NoteStore &n) { return n.renameCategory("Kontakt", "tanken"); }, "Die Kategorie existiert schon.", "Datenfehler", false},
        {[](NoteStore &n) { return n.renameCategory("Kontakt", "*K"); }, "Bitte keinen Stern im Kategorienamen verwenden", "Datenfehler", false},
        {[](NoteStore &n) { return n.renameCategory("Kontakt", ""); }, nullptr, "", false},
        {[](NoteStore &n) { return n.renameCategory("kontakt", "KONTAKT"); }, nullptr, "", true},
        {[](NoteStore &n) { return n.deleteCategory("Fehlt"); }, "Fehler beim Löschen der Kategorie ", "Fehler", false},
    };
    for (const auto &c : cases) {
        test::TempDatabase t;
        addNotes(t);
        const QStringList before = categoriesAndNotes(t);
        const CategoryOutcome outcome = c.command(t.store->notes);
        ASSERT_TRUE(outcome.ok()) << outcome.error().toStdString();
        const store::Refusal refusal = outcome->value_or(store::Refusal{});
        EXPECT_EQ(refusal.message, c.message ? QString(c.message) : QString()) << c.message;
        EXPECT_EQ(refusal.title, c.title) << c.message;
        EXPECT_EQ(categoriesAndNotes(t) != before, c.changes) << c.message;
    }
    test::TempDatabase t;
    addNotes(t);
    ASSERT_EQ(t.store->notes.renameCategory("kontakt", "KONTAKT").value(), std::nullopt);
    EXPECT_EQ(marks(t, "EDDF"), "Allgemein,*KONTAKT,Tanken");  // the notes moved with the row
}

TEST(NoteStore, LastKatIsWrittenWithoutAStamp) {
    test::TempDatabase t;
    t.add(t.airport("EDHN"));
    const store::ArptRow before = t.store->reads.airportByIcao("EDHN").value().value();
    test::expectOk(t.store->notes.setLastKat("edhn", "*Kontakt").error());
    const store::ArptRow after = t.store->reads.airportByIcao("EDHN").value().value();
    EXPECT_EQ(after.LastKat, "*Kontakt");
    EXPECT_EQ(after.Date + after.Time + after.LastDate, before.Date + before.Time + before.LastDate);
}
