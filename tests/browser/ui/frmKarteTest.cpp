#include "browser/ui/frmKarte.h"
#include "browser/ui/frmGermanDateEdit.h"
#include "support/FolderTree.h"
#include "support/ModalSteps.h"
#include "support/WidgetTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

using namespace volmira;
using browser::LinkChange;

namespace {

class MapLinkDialog : public test::WidgetTest {
protected:
    QString at(const QString &name) const { return QDir(t.folder()).filePath(name); }
    // Slot 3 of EDDF, opened as the viewer opens it; the step acts in the dialog.
    LinkChange edit(const QString &lastMapFolder, std::function<void(browser::frmKarte &)> step) {
        test::ModalSteps steps({[&](QDialog &d) { step(static_cast<browser::frmKarte &>(d)); }});
        return browser::frmKarte::editLink(*t.store, dialogs, t.folder(), "EDDF", 3, lastMapFolder, nullptr);
    }
    QString slot() const {
        const auto row = t.store->maps.link("EDDF", 3).value();
        return row ? row->Location + " " + row->File + " " + row->Name : "frei";
    }
    static void click(auto *v, QRect r) { QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, r.center()); }
    static bool inView(QListWidget *l, int e) { return l->viewport()->rect().contains(l->visualItemRect(l->item(e))); }
};

}  // namespace

TEST_F(MapLinkDialog, ANewLinkOpensInTheLastMapFolderAStoredOneOnItsFileWithFourBelowInView) {
    for (int i = 1; i <= 20; ++i) test::makeTree(t.folder(), {QString::asprintf("Karten/EDDF/karte%02d.jpg", i)});
    test::makeTree(t.folder(), {".alt/Karten/a.jpg"});
    EXPECT_EQ(edit(at(".alt/Karten/"), [&](browser::frmKarte &k) {
                  EXPECT_EQ(k.windowTitle() + k.tNumber->text() + k.lblLoc->text(), "EDDF3" + at(".alt/Karten"));
                  EXPECT_EQ(k.File1->count() + k.File1->selectedItems().size() + k.tName->text().size(), 1);
                  QTest::keyClick(k.File1, Qt::Key_Escape);
              }),
              LinkChange::None);
    for (const auto &[stored, entry] : {std::pair("karte03.jpg", 2), {"KARTE15.JPG", 14}}) {
        ASSERT_TRUE(t.store->maps.saveLink("EDDF", 3, "C:\\Alt\\karten\\EDDF", stored, "Vorfeld").ok());
        edit({}, [&](browser::frmKarte &k) {
            EXPECT_EQ(k.lblLoc->text() + " " + k.tName->text(), at("Karten/EDDF") + " Vorfeld");
            EXPECT_TRUE(k.File1->item(entry)->isSelected() && k.File1->currentRow() == entry &&
                        inView(k.File1, entry) && inView(k.File1, entry + 4)) << stored;
            k.Command1->click();
        });
    }
}

TEST_F(MapLinkDialog, SavesTheFileChosenWhileBrowsingAndRefusesANewLinkWithoutFile) {
    test::makeTree(t.folder(), {"Karten/Flughafen/plan.jpg", "Karten/PDF/anflug.pdf"});
    EXPECT_EQ(edit({}, [&](browser::frmKarte &k) {
                  QTest::keyClick(k.tName, Qt::Key_Return);  // no file chosen
                  QTest::keyClick(k.Drive1, Qt::Key_Home);
                  QTreeWidgetItem *karten = k.Dir1->topLevelItem(0);
                  karten->setExpanded(true);
                  click(k.Dir1, k.Dir1->visualItemRect(karten->child(0)));
                  click(k.File1, k.File1->visualItemRect(k.File1->item(0)));
                  click(k.Dir1, k.Dir1->visualItemRect(karten->child(1)));
                  EXPECT_EQ(k.File1->item(0)->text() + " " + k.lblLoc->text(), "anflug.pdf " + at("Karten/Flughafen"));
                  QTest::keyClick(k.Dir1, Qt::Key_Enter);
              }),
              LinkChange::Saved);
    EXPECT_EQ(dialogs.shown.at(0).title + ": " + dialogs.shown.at(0).text,
              "Datenfehler: Bitte eine Kartendatei (BMP, JPEG oder PDF) auswählen.");
    EXPECT_EQ(slot(), at("Karten/Flughafen") + " plan.jpg plan.jpg");
}

TEST_F(MapLinkDialog, OverwritesRenamesAndDeletesAndStaysOpenOnADatabaseError) {
    test::makeTree(t.folder(), {"Karten/plan.jpg", "Karten/Vorfeld.JPG"});
    ASSERT_TRUE(t.store->maps.saveLink("EDDF", 3, at("Karten"), "plan.jpg", "Plan").ok());
    EXPECT_EQ(edit({}, [](browser::frmKarte &k) {
                  click(k.File1, k.File1->visualItemRect(k.File1->item(1)));
                  QTest::keyClick(k.File1, Qt::Key_Return);
              }),
              LinkChange::Saved);
    ASSERT_TRUE(t.db.exec("CREATE TRIGGER no BEFORE UPDATE ON MAPDATA BEGIN SELECT RAISE(ABORT, 'no'); END;").ok());
    EXPECT_EQ(edit({}, [&](browser::frmKarte &k) {
                  k.tName->setText("Rollwege");
                  k.cmdSave->click();
                  ASSERT_TRUE(k.isVisible() && dialogs.shown.at(0).title == "Datenfehler");
                  ASSERT_TRUE(t.db.exec("DROP TRIGGER no;").ok());
                  k.cmdSave->click();
              }),
              LinkChange::Saved);
    EXPECT_EQ(slot(), at("Karten") + " Vorfeld.JPG Rollwege");
    EXPECT_EQ(edit({}, [](browser::frmKarte &k) { k.Command2->click(); }), LinkChange::Deleted);
    EXPECT_EQ(slot(), "frei");
}

TEST_F(MapLinkDialog, ShowsAndSavesTheLastValidDayAndLinksACopyInTheAirportsMapFolder) {
    test::makeTree(t.folder(), {"Karten/plan.jpg"});
    ASSERT_TRUE(t.store->maps.saveLink("EDDF", 3, at("Karten"), "plan.jpg", "Plan").ok());
    ASSERT_TRUE(t.store->maps.setValidUntil("EDDF", 3, "2026-12-31").ok());
    const auto validUntil = [this] { return t.store->maps.link("EDDF", 3).value()->ValidUntil; };
    edit({}, [](browser::frmKarte &k) {
        EXPECT_TRUE(k.chkValid->isChecked() && k.dtValid->isEnabled() && !k.chkCopy->isChecked());
        EXPECT_EQ(k.dtValid->date(), QDate(2026, 12, 31));
        k.dtValid->setDate(QDate(2027, 1, 15));
        k.chkCopy->setChecked(true);  // the stored file, without another chosen
        k.cmdSave->click();
    });
    EXPECT_EQ(slot() + " " + validUntil(), at("Karten/EDDF") + " plan.jpg Plan 2027-01-15");
    EXPECT_TRUE(QFileInfo(at("Karten/EDDF/plan.jpg")).isFile());
    edit({}, [](browser::frmKarte &k) {
        k.chkValid->setChecked(false);
        k.cmdSave->click();
    });
    EXPECT_EQ(validUntil(), "");
}
