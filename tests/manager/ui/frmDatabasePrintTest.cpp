#include "support/ManagerWindowFixture.h"
#include "support/ModalSteps.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QProgressBar>
#include <QPushButton>

using namespace volmira;
using ManagerPrint = test::ManagerWindowTest;

TEST_F(ManagerPrint, PrintsTheListedAirportsThroughThePreviewOrTellsWhyNot) {
    open("EDDF");
    const QString note = QStringList(120, "Turm 069 690 12345").join('\n');
    test::expectOk(t.store->notes.insert({0, "EDKA", "Kontakt", note, note, "2026-03-01", "08:00:00"}).error());
    // Short contacts: one page; the whole note runs over more pages, more still in landscape, for which the
    // preview lays the list out again. An unreadable length is told, then printed with 0.
    const struct { bool shortContacts; const char *length; int minPages, maxPages; std::size_t told; } cases[] = {
        {true, "0", 1, 1, 0}, {false, "0", 2, 9, 0}, {true, "x", 1, 1, 1}};
    for (const auto &c : cases) {
        window->chkShowAll->setChecked(c.shortContacts);
        window->tLength->setText(c.length);
        dialogs.shown.clear();
        int pages = 0, landscape = 0;
        {
            test::ModalSteps steps({[&](QDialog &preview) {
                EXPECT_EQ(preview.windowTitle(), "Volmira Flughafenliste");
                EXPECT_FALSE(window->cmdPrint->isEnabled() || window->progbar->isVisible());
                EXPECT_EQ(window->progbar->value(), 5);  // the ED airports listed
                auto *widget = preview.findChild<QPrintPreviewWidget *>();
                pages = widget->pageCount();
                widget->setLandscapeOrientation();  // as the tool bar's orientation button does
                landscape = widget->pageCount();
                preview.reject();
            }});
            window->cmdPrint->click();
        }
        EXPECT_TRUE(pages >= c.minPages && pages <= c.maxPages) << pages;
        EXPECT_EQ(landscape > pages, !c.shortContacts) << landscape;
        EXPECT_TRUE(window->cmdPrint->isEnabled());
        ASSERT_EQ(dialogs.shown.size(), c.told);
        if (c.told) { EXPECT_EQ(dialogs.shown[0].text, "Bitte Daten der Landebahnlänge überprüfen."); }
    }
    // An empty list and a failed preparation show no preview.
    dialogs.shown.clear();
    window->tLength->setText("0");
    window->chkType[0]->setChecked(false);  // no type box checked: no airport passes
    window->chkType[1]->setChecked(false);
    window->cmdPrint->click();
    window->chkType[0]->setChecked(true);
    test::expectOk(t.db.exec("PRAGMA query_only = 1").error());  // the database can be read, not written
    window->cmdPrint->click();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, "Die Flughafenliste ist leer – es gibt nichts zu drucken.");
    EXPECT_TRUE(dialogs.shown[1].text.startsWith("Fehler Bericht\n\n") && dialogs.shown[1].text.size() > 20);
}
