#include "support/ManagerWindowFixture.h"
#include "support/ModalSteps.h"
#include "support/PdfPages.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

using namespace volmira;

namespace {

class ManagerPrint : public test::ManagerWindowTest {
protected:
    // The manager on EDDF; EDKA's contact note runs over more than a page when printed whole.
    void SetUp() override {
        ManagerWindowTest::SetUp();
        open("EDDF");
        const QString note = QStringList(120, "Turm 069 690 12345").join('\n');
        test::expectOk(t.store->notes.insert({0, "EDKA", "Kontakt", note, note, "2026-03-01", "08:00:00"}).error());
    }
};

}  // namespace

TEST_F(ManagerPrint, PrintsTheListedAirportsThroughThePreviewOrTellsWhyNot) {
    // Short contacts: one page; the whole note runs over more pages. An unreadable length is told, then printed with 0.
    const struct { bool shortContacts; const char *length; int minPages, maxPages; std::size_t told; } cases[] = {
        {true, "0", 1, 1, 0}, {false, "0", 2, 9, 0}, {true, "x", 1, 1, 1}};
    for (const auto &c : cases) {
        window->chkShowAll->setChecked(c.shortContacts);
        window->tLength->setText(c.length);
        dialogs.shown.clear();
        int pages = 0;
        {
            test::ModalSteps steps({[&](QDialog &preview) {
                EXPECT_EQ(preview.windowTitle(), "Volmira Flughafenliste");
                EXPECT_FALSE(window->cmdPrint->isEnabled() || window->progbar->isVisible());
                EXPECT_EQ(window->progbar->value(), 5);  // the ED airports listed
                pages = preview.findChild<QPrintPreviewWidget *>()->pageCount();
                preview.reject();
            }});
            window->cmdPrint->click();
        }
        EXPECT_TRUE(pages >= c.minPages && pages <= c.maxPages) << pages;
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

TEST_F(ManagerPrint, LaysTheListOutAgainForThePaperEachPaintingIsFor) {
    window->chkShowAll->setChecked(false);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("liste.pdf");
    int portrait = 0, landscape = 0;
    {
        test::ModalSteps steps({[&](QDialog &dialog) {
            auto *widget = dialog.findChild<QPrintPreviewWidget *>();
            portrait = widget->pageCount();
            widget->setLandscapeOrientation();  // what the tool bar's orientation button does
            landscape = widget->pageCount();
            // The print button's painting, on the paper the print dialog left.
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setFullPage(true);
            printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF()));
            emit qobject_cast<QPrintPreviewDialog *>(&dialog)->paintRequested(&printer);
            dialog.reject();
        }});
        window->cmdPrint->click();
    }
    EXPECT_GT(landscape, portrait);
    const std::vector<test::PdfPage> pages = test::pdfPages(pdf);
    EXPECT_GT(pages.size(), std::size_t(landscape));
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const std::vector<test::PdfWord> footer = test::pdfFooter(pages[p]);
        ASSERT_EQ(footer.size(), 4u) << p;
        EXPECT_EQ(std::tuple(footer[1].text.toInt(), footer[3].text.toUInt(), pages[p].width > pages[p].height),
                  std::tuple(int(p) + 1, pages.size(), true));
        EXPECT_LT(footer[0].yMax, pages[p].height);
    }
    EXPECT_TRUE(dialogs.shown.empty());
}
