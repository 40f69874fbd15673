#include "browser/ui/frmKarte.h"
#include "support/FolderTree.h"
#include "support/ModalSteps.h"
#include "support/WidgetTest.h"

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
    LinkChange edit(const QString &lastMapFolder, test::ModalSteps::Step step) {
        test::ModalSteps steps({std::move(step)});
        return browser::frmKarte::editLink(*t.store, dialogs, t.folder(), "EDDF", 3, lastMapFolder, nullptr);
    }
    std::optional<store::MapDataRow> slot() const { return t.store->maps.link("EDDF", 3).value(); }

    template <typename W = QWidget>
    static W *in(QDialog &d, const char *name) { return d.findChild<W *>(name); }
    static QListWidget *files(QDialog &d) { return in<QListWidget>(d, "File1"); }
    static QString shown(QDialog &d, const char *name) { return in<QLabel>(d, name)->text(); }
    static void clickFile(QDialog &d, int entry) {
        QTest::mouseClick(files(d)->viewport(), Qt::LeftButton, {}, files(d)->visualItemRect(files(d)->item(entry)).center());
    }
    static void clickFolder(QDialog &d, QTreeWidgetItem *item) {
        auto *tree = in<QTreeWidget>(d, "Dir1");
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    }
    static bool inView(QListWidget *list, int entry) {
        return list->viewport()->rect().contains(list->visualItemRect(list->item(entry)));
    }
};

}  // namespace

TEST_F(MapLinkDialog, ANewLinkOpensInTheLastMapFolderAnExistingOneOnItsFileWithFourBelowInView) {
    QStringList twenty;
    for (int i = 1; i <= 20; ++i) twenty << QString("Karten/EDDF/karte%1.jpg").arg(i, 2, 10, QChar('0'));
    test::makeTree(t.folder(), twenty);
    EXPECT_EQ(edit(at("Karten/EDDF/"), [&](QDialog &d) {
                  EXPECT_EQ(d.windowTitle(), "EDDF");
                  EXPECT_EQ(in<QLineEdit>(d, "tNumber")->text(), "3");
                  EXPECT_FALSE(in(d, "tNumber")->isVisible());
                  EXPECT_EQ(shown(d, "lblLoc"), at("Karten/EDDF"));
                  EXPECT_EQ(in<QComboBox>(d, "Drive1")->currentText(), "Karten");
                  EXPECT_EQ(files(d)->count(), 20);
                  EXPECT_EQ(files(d)->selectedItems().size() + in<QLineEdit>(d, "tName")->text().size(), 0);
                  QTest::keyClick(files(d), Qt::Key_Escape);
              }),
              LinkChange::None);
    for (const auto &[stored, entry] : {std::pair("karte03.jpg", 2), {"KARTE15.JPG", 14}}) {
        ASSERT_TRUE(t.store->maps.saveLink("EDDF", 3, "C:\\Alt\\karten\\EDDF", stored, "Vorfeld").ok());
        EXPECT_EQ(edit({}, [&](QDialog &d) {
                      EXPECT_EQ(shown(d, "lblLoc"), at("Karten/EDDF"));
                      EXPECT_EQ(files(d)->currentRow(), entry);
                      EXPECT_TRUE(files(d)->item(entry)->isSelected());
                      EXPECT_TRUE(inView(files(d), entry) && inView(files(d), entry + 4)) << stored;
                      EXPECT_EQ(in<QLineEdit>(d, "tName")->text(), "Vorfeld");
                      in<QPushButton>(d, "Command1")->click();
                  }),
                  LinkChange::None);
    }
}

TEST_F(MapLinkDialog, SavesTheFileChosenWhileBrowsingAndRefusesANewLinkWithoutFile) {
    test::makeTree(t.folder(), {"Karten/Flughafen/plan.jpg", "Karten/PDF/anflug.pdf"});
    EXPECT_EQ(edit({}, [&](QDialog &d) {
                  EXPECT_EQ(shown(d, "lblLoc"), t.folder());
                  QTest::keyClick(in(d, "tName"), Qt::Key_Return);
                  EXPECT_TRUE(d.isVisible());
                  QTest::keyClick(in(d, "Drive1"), Qt::Key_Home);
                  QTreeWidgetItem *karten = in<QTreeWidget>(d, "Dir1")->topLevelItem(0);
                  karten->setExpanded(true);
                  clickFolder(d, karten->child(0));
                  clickFile(d, 0);
                  EXPECT_EQ(in<QLineEdit>(d, "tName")->text(), "plan.jpg");
                  clickFolder(d, karten->child(1));
                  EXPECT_EQ(files(d)->item(0)->text(), "anflug.pdf");
                  EXPECT_EQ(shown(d, "lblLoc"), at("Karten/Flughafen"));
                  QTest::keyClick(in(d, "Dir1"), Qt::Key_Enter);
              }),
              LinkChange::Saved);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title + ": " + dialogs.shown[0].text,
              "Datenfehler: Bitte eine Kartendatei (BMP, JPEG oder PDF) auswählen.");
    EXPECT_EQ(slot()->Location + " " + slot()->File + " " + slot()->Name,
              at("Karten/Flughafen") + " plan.jpg plan.jpg");
}

TEST_F(MapLinkDialog, OverwritesRenamesAndDeletesAndStaysOpenOnADatabaseError) {
    test::makeTree(t.folder(), {"Karten/plan.jpg", "Karten/Vorfeld.JPG"});
    ASSERT_TRUE(t.store->maps.saveLink("EDDF", 3, at("Karten"), "plan.jpg", "Plan").ok());
    ASSERT_TRUE(t.store->maps.saveView("EDDF", 3, {800, 600, 10, 20, 400, 300, 40}).ok());
    EXPECT_EQ(edit({}, [](QDialog &d) {
                  clickFile(d, 1);
                  in<QLineEdit>(d, "tName")->clear();
                  QTest::keyClick(files(d), Qt::Key_Return);
              }),
              LinkChange::Saved);
    EXPECT_EQ(slot()->File + " " + slot()->Name, "Vorfeld.JPG Vorfeld.JPG");
    EXPECT_EQ(slot()->SW + slot()->SH, 0);
    EXPECT_EQ(slot()->SlideMap, 100);
    ASSERT_TRUE(t.db.exec("CREATE TRIGGER refuse BEFORE UPDATE ON MAPDATA BEGIN SELECT RAISE(ABORT, 'no'); END;").ok());
    EXPECT_EQ(edit({}, [&](QDialog &d) {
                  in<QLineEdit>(d, "tName")->setText("Rollwege");
                  in<QPushButton>(d, "cmdSave")->click();
                  EXPECT_TRUE(d.isVisible());
                  ASSERT_TRUE(t.db.exec("DROP TRIGGER refuse;").ok());
                  in<QPushButton>(d, "cmdSave")->click();
              }),
              LinkChange::Saved);
    EXPECT_EQ(dialogs.shown.at(0).title, "Datenfehler");
    EXPECT_EQ(slot()->File + " " + slot()->Name, "Vorfeld.JPG Rollwege");
    EXPECT_EQ(edit({}, [](QDialog &d) { in<QPushButton>(d, "Command2")->click(); }), LinkChange::Deleted);
    EXPECT_FALSE(slot());
}
