#include "store/AirportStore.h"

#include "support/QtPrinters.h"
#include "support/SampleAirports.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

#include <functional>

using namespace volmira;
using store::NoteStore;

namespace {

// The categories Allgemein, Kontakt, Tanken; Kontakt notes at two airports, a Tanken note at one.
void addNotes(test::TempDatabase &t) {
    for (const char *category : {"Tanken", "Kontakt", "Allgemein"}) test::expectOk(t.store->notes.insertCategory(category).error());
    for (const auto &[icao, category] : {std::pair{"EDDF", "Kontakt"}, {"EDHN", "Kontakt"}, {"EDHN", "Tanken"}})
        test::expectOk(t.store->notes.save(icao, category, "{\\rtf1 x}", "x").error());
}

// "Allgemein,Kontakt,Tanken | EDDF Kontakt,EDHN Kontakt,EDHN Tanken"
QString categoriesAndNotes(test::TempDatabase &t) {
    return t.db.prepare("SELECT (SELECT group_concat(Category) FROM (SELECT Category FROM MyCategory ORDER BY 1)) || ' | ' || "
                        "(SELECT group_concat(n) FROM (SELECT ICAO || ' ' || Category AS n FROM MyInfo ORDER BY 1))")
        .firstRow([](const store::Statement &row) { return row.text(0); }).value().value_or("");
}

}  // namespace

TEST(NoteStore, CategoryChangesReachEveryAirportAndRefusalsChangeNothing) {
    const char *unchanged = "Allgemein,Kontakt,Tanken | EDDF Kontakt,EDHN Kontakt,EDHN Tanken";
    const QString fifty(50, u'ü');
    const struct {
        std::function<store::CategoryOutcome(NoteStore &)> command;
        const char *refusal;  // "title: message"; empty: carried out, or nothing to do
        QString after;
    } cases[] = {
        {[](NoteStore &n) { return n.renameCategory("Kontakt", "Kontakt's Info"); }, "",
         "Allgemein,Kontakt's Info,Tanken | EDDF Kontakt's Info,EDHN Kontakt's Info,EDHN Tanken"},
        {[](NoteStore &n) { return n.renameCategory("kontakt", "KONTAKT"); }, "", "Allgemein,KONTAKT,Tanken | EDDF KONTAKT,EDHN KONTAKT,EDHN Tanken"},
        {[](NoteStore &n) { return n.deleteCategory("kontakt"); }, "", "Allgemein,Tanken | EDHN Tanken"},
        {[&](NoteStore &n) { return n.addCategory(fifty); }, "", "Allgemein,Kontakt,Tanken," + fifty + " | EDDF Kontakt,EDHN Kontakt,EDHN Tanken"},
        {[](NoteStore &n) { return n.addCategory("N*"); }, "", "Allgemein,Kontakt,N*,Tanken | EDDF Kontakt,EDHN Kontakt,EDHN Tanken"},
        {[](NoteStore &n) { return n.addCategory(""); }, "", unchanged},
        {[](NoteStore &n) { return n.renameCategory("Kontakt", ""); }, "", unchanged},
        {[](NoteStore &n) { return n.addCategory("*Neu"); }, "Datenfehler: Bitte keinen Stern im Kategorienamen verwenden", unchanged},
        {[](NoteStore &n) { return n.addCategory("kONTAKT"); }, "Datenfehler: Die Kategorie existiert schon.", unchanged},
        {[&](NoteStore &n) { return n.addCategory(fifty + "x"); }, "Datenfehler: Der Kategoriename darf höchstens 50 Zeichen haben.", unchanged},
        {[](NoteStore &n) { return n.renameCategory("Fehlt", "X"); }, "Datenfehler: Kategorie - Fehlt wurde nicht gefunden.", unchanged},
        {[](NoteStore &n) { return n.renameCategory("Kontakt", "tanken"); }, "Datenfehler: Die Kategorie existiert schon.", unchanged},
        {[](NoteStore &n) { return n.renameCategory("Kontakt", "*K"); }, "Datenfehler: Bitte keinen Stern im Kategorienamen verwenden", unchanged},
        {[](NoteStore &n) { return n.deleteCategory("Fehlt"); }, "Fehler: Fehler beim Löschen der Kategorie ", unchanged},
        // Blanks around a name are no part of it; letter case is none for umlauts either.
        {[](NoteStore &n) { return n.addCategory(" Wetter "); }, "", "Allgemein,Kontakt,Tanken,Wetter | EDDF Kontakt,EDHN Kontakt,EDHN Tanken"},
        {[](NoteStore &n) { return n.addCategory("Kontakt "); }, "Datenfehler: Die Kategorie existiert schon.", unchanged},
        {[](NoteStore &n) { return n.renameCategory("Tanken", " Kontakt"); }, "Datenfehler: Die Kategorie existiert schon.", unchanged},
        {[](NoteStore &n) { (void)n.renameCategory("Kontakt", "Käse "); return n.addCategory("KÄSE"); },
         "Datenfehler: Die Kategorie existiert schon.", "Allgemein,Käse,Tanken | EDDF Käse,EDHN Käse,EDHN Tanken"},
        {[](NoteStore &n) { (void)n.renameCategory("Kontakt", "Gebühren"); return n.renameCategory("Tanken", "GEBÜHREN"); },
         "Datenfehler: Die Kategorie existiert schon.", "Allgemein,Gebühren,Tanken | EDDF Gebühren,EDHN Gebühren,EDHN Tanken"},
        {[](NoteStore &n) { (void)n.renameCategory("Kontakt", "gebühren"); return n.renameCategory("GEBÜHREN", "Gebühren"); },
         "", "Allgemein,Gebühren,Tanken | EDDF Gebühren,EDHN Gebühren,EDHN Tanken"},
        {[](NoteStore &n) { (void)n.renameCategory("Kontakt", "Käse"); return n.deleteCategory("KÄSE"); }, "", "Allgemein,Tanken | EDHN Tanken"},
    };
    for (const auto &c : cases) {
        test::TempDatabase t;
        addNotes(t);
        const store::CategoryOutcome outcome = c.command(t.store->notes);
        ASSERT_TRUE(outcome.ok()) << outcome.error().toStdString();
        EXPECT_EQ(*outcome ? (*outcome)->title + ": " + (*outcome)->message : "", c.refusal);
        EXPECT_EQ(categoriesAndNotes(t), c.after) << c.refusal;
    }
}

// The category the note panel remembers follows a rename at every airport, its mark kept.
TEST(NoteStore, ARenameCarriesTheRememberedCategoryAlong) {
    test::TempDatabase t;
    for (const auto &[icao, entry] : {std::pair{"EDDF", "Kontakt"}, {"EDHN", "*KONTAKT"}, {"EDKA", "Kontakt2"}}) {
        t.add(t.airport(icao));
        test::expectOk(t.store->notes.setLastKat(icao, entry).error());
    }
    test::expectOk(t.store->notes.insertCategory("Kontakt").error());
    ASSERT_FALSE(t.store->notes.renameCategory("Kontakt", "Türme").value());
    QStringList after;
    for (const char *icao : {"EDDF", "EDHN", "EDKA"}) after << t.store->reads.airportByIcao(icao).value()->LastKat;
    EXPECT_EQ(after, (QStringList{"Türme", "*Türme", "Kontakt2"}));
}
