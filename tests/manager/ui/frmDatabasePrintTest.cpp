#include "support/ManagerWindowFixture.h"
#include "support/ModalSteps.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QProgressBar>
#include <QPushButton>

using namespace volmira;
using ManagerPrint = test::ManagerWindowTest;

namespace {

// The preview's page count, checked while it is open; the preview closed.
test::ModalSteps::Step previewWith(manager::frmDatabase &window, int &pages) {
    return [&window, &pages](QDialog &preview) {
        EXPECT_EQ(preview.windowTitle(), "Volmira Flughafenliste");
        EXPECT_FALSE(window.cmdPrint->isEnabled());  // one print at a time
        EXPECT_FALSE(window.progbar->isVisible());
        EXPECT_EQ(window.progbar->value(), window.progbar->maximum());
        pages = preview.findChild<QPrintPreviewWidget *>()->pageCount();
        preview.reject();
    };
}

}  // namespace

TEST_F(ManagerPrint, PrintsTheListedAirportsThroughThePreview) {
    open("EDDF");
    const QString note = QStringList(120, "Turm 069 690 12345").join('\n');
    test::expectOk(t.store->notes.insert({0, "EDKA", "Kontakt", note, note, "2026-03-01", "08:00:00"}).error());
    // Short contacts: one page; the whole note runs over more pages.
    const struct { bool shortContacts; const char *length; int minPages, maxPages; } cases[] = {
        {true, "0", 1, 1}, {false, "0", 2, 9}, {true, "x", 1, 1}};
    for (const auto &c : cases) {
        window->chkShowAll->setChecked(c.shortContacts);
        window->tLength->setText(c.length);
        dialogs.shown.clear();
        int pages = 0;
        {
            test::ModalSteps steps({previewWith(*window, pages)});
            window->cmdPrint->click();
        }
        EXPECT_GE(pages, c.minPages) << c.shortContacts;
        EXPECT_LE(pages, c.maxPages) << c.shortContacts;
        EXPECT_EQ(window->progbar->maximum(), 5);  // the ED airports listed
        EXPECT_TRUE(window->cmdPrint->isEnabled());
        // An unreadable length is told as the list tells it, and the list printed with length 0.
        ASSERT_EQ(dialogs.shown.size(), c.length == QString("x") ? 1u : 0u);
        if (!dialogs.shown.empty()) {
            EXPECT_EQ(dialogs.shown[0].text, "Bitte Daten der Landebahnlänge überprüfen.");
        }
    }
}

TEST_F(ManagerPrint, AnEmptyListOrAFailedPreparationShowsNoPreview) {
    open("EDDF");
    // Both type boxes unchecked: no airport passes.
    window->chkType[0]->setChecked(false);
    window->chkType[1]->setChecked(false);
    window->cmdPrint->click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Die Flughafenliste ist leer – es gibt nichts zu drucken.");

    window->chkType[0]->setChecked(true);
    test::expectOk(t.db.exec("PRAGMA query_only = 1").error());  // the database can be read, not written
    window->cmdPrint->click();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.shown[1].text.startsWith("Fehler Bericht\n\n")) << dialogs.shown[1].text.toStdString();
    EXPECT_GT(dialogs.shown[1].text.size(), 20);
    EXPECT_FALSE(window->progbar->isVisible());
    EXPECT_TRUE(window->cmdPrint->isEnabled());
}
