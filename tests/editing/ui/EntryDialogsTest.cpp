#include "editing/EditOperations.h"
#include "editing/ui/frmChangeAPT.h"
#include "editing/ui/frmChangeApproach.h"
#include "editing/ui/frmChangeCom.h"
#include "editing/ui/frmChangeRwy.h"
#include "support/ModalSteps.h"
#include "support/WidgetTest.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

using namespace volmira;
using editing::EntryDialog;
using test::ModalSteps;

namespace {

// The four dialogs filled with a valid entry; ask() as "was an entry accepted".
class EntryDialogs : public test::WidgetTest {
protected:
    struct Dialog {
        EntryDialog *dialog;
        std::function<bool()> ask;
    };

    Dialog make(const QString &name) {
        if (name == "frmChangeRwy")
            return made(new editing::frmChangeRwy(dialogs, nullptr),
                        editing::RunwayTexts{{"27r", "274", "", "800", "23"}, {}, false});
        if (name == "frmChangeAPT")
            return made(new editing::frmChangeAPT(dialogs, [](const QString &) { return false; }, nullptr),
                        editing::AirportTexts{{"EDXX", "2", "Neuer Platz", "500", ""}, {"4907.1", "00946.5"}});
        if (name == "frmChangeCom")
            return made(new editing::frmChangeCom(dialogs, nullptr), editing::ComTexts{{"TOWER", "118.500"}});
        return made(new editing::frmChangeApproach(dialogs, nullptr),
                    editing::ApproachTexts{{"27R", "110.7", "ife", "3.0", "", ""}});
    }
    template <typename D, typename Texts>
    Dialog made(D *d, const Texts &texts) {
        owned.emplace_back(d);
        d->fill(texts, "");
        return {d, [d] { return d->ask().has_value(); }};
    }
    std::vector<std::unique_ptr<QDialog>> owned;
};

}  // namespace

TEST_F(EntryDialogs, EnterSavesAndEscapeAbbrechenOrTheCloseButtonCancel) {
    const struct {
        const char *action;
        std::function<void(QDialog &)> step;
        bool accepted;
    } cases[] = {
        {"Enter", [](QDialog &d) { QTest::keyClick(d.focusWidget(), Qt::Key_Return); }, true},
        {"Speichern", [](QDialog &d) { d.findChild<QPushButton *>("cmdOk")->click(); }, true},
        {"Escape", [](QDialog &d) { QTest::keyClick(d.focusWidget(), Qt::Key_Escape); }, false},
        {"Abbrechen", [](QDialog &d) { d.findChild<QPushButton *>("cmdCancel")->click(); }, false},
        {"close button", [](QDialog &d) { d.close(); }, false},
    };
    for (const char *name : {"frmChangeRwy", "frmChangeAPT", "frmChangeCom", "frmChangeApproach"}) {
        Dialog dialog = make(name);
        for (const auto &c : cases) {
            ModalSteps steps({c.step});
            EXPECT_EQ(dialog.ask(), c.accepted) << name << " " << c.action;
        }
        EXPECT_TRUE(dialogs.shown.empty());
    }
}

// The message names its title; the focus goes into the box at fault, or stays.
// The key-up of the Enter that closed the message presses nothing again.
TEST_F(EntryDialogs, ARefusedEntryShowsItsMessageOnceAndFocusesItsBox) {
    const struct {
        const char *dialog, *box, *text, *focusBefore, *title, *message, *focusAfter;
    } cases[] = {
        {"frmChangeRwy", "tRwy(0)", "37", "tRwy(3)", "Datenfehler", "Fehler bei der Dateneingabe - Nur", "tRwy(0)"},
        {"frmChangeCom", "tCom(0)", "NNNNNNNNNNNNNNNNNNNNNNNNNNNNN", "tCom(1)", "Data error",
         "Maximum number of characters allowed in field ( ATC Name ) is 28.", "tCom(0)"},
        {"frmChangeApproach", "tApproach(0)", "R9", "tApproach(3)", "Datenfehler", "Die Landebahn wurde falsch",
         "tApproach(0)"},
        {"frmChangeAPT", "tAPT(4)", "12345678901234567890", "tAPT(2)", "Volmira APT", "Fehler PR", "tAPT(4)"},
        {"frmChangeAPT", "tCoord(0)", "04907.1", "tAPT(2)", "Datenfehler", "Bitte Breitengrad", "tAPT(2)"},
    };
    for (const auto &c : cases) {
        dialogs.shown.clear();
        Dialog dialog = make(c.dialog);
        dialog.dialog->findChild<QLineEdit *>(c.box)->setText(c.text);
        ModalSteps steps({[&](QDialog &d) {
            QWidget *before = d.findChild<QWidget *>(c.focusBefore);
            before->setFocus();
            QTest::keyPress(before, Qt::Key_Return);
            ASSERT_EQ(dialogs.shown.size(), 1u) << c.text;
            QTest::keyRelease(d.focusWidget(), Qt::Key_Return);
            ASSERT_EQ(dialogs.shown.size(), 1u) << c.text;
            EXPECT_EQ(dialogs.shown[0].title, c.title);
            EXPECT_TRUE(dialogs.shown[0].text.startsWith(c.message)) << dialogs.shown[0].text.toStdString();
            EXPECT_EQ(d.focusWidget()->objectName(), c.focusAfter) << c.text;
            QTest::keyClick(d.focusWidget(), Qt::Key_Escape);
        }});
        EXPECT_FALSE(dialog.ask());
    }
}

TEST_F(EntryDialogs, RunwayPreviewsFollowTheBoxLeftAndADoubleClickEmptiesIt) {
    Dialog dialog = make("frmChangeRwy");
    auto *box = dialog.dialog->findChild<QLineEdit *>("tRwy(0)");
    auto *preview = dialog.dialog->findChild<QLineEdit *>("tVorschau(0)");
    ModalSteps steps({[&](QDialog &d) {
        // A refused text leaves the preview as it was.
        for (const auto &[typed, shown] : {std::pair{"27r", "09L / 27R"}, {"7x", "09L / 27R"}, {"0", "18 / 36"}}) {
            box->setText(typed);
            box->setFocus();
            d.findChild<QWidget *>("tRwy(1)")->setFocus();
            EXPECT_EQ(preview->text(), shown) << typed;
        }
        QTest::mouseDClick(box, Qt::LeftButton);
        EXPECT_EQ(box->text(), "");
        QEvent pointed(QEvent::Enter);
        QCoreApplication::sendEvent(box, &pointed);  // the box's hint shows
        d.reject();
    }});
    EXPECT_FALSE(dialog.ask());
    auto *hint = dialog.dialog->findChild<QLabel *>("lblInfo");
    static_cast<editing::frmChangeRwy *>(dialog.dialog)->fill({}, "");  // the reused dialog's next use
    EXPECT_EQ(hint->text(), "");
}

TEST_F(EntryDialogs, NewAirportGivesTheCreatedCodeOnceOnly) {
    editing::frmChangeAPT dialog(dialogs, editing::duplicateQuery(*t.store), nullptr);
    // The code box first; at most one type; a decimal comma is stored as a point.
    const auto type = [&dialog](const char *code) {
        return [&dialog, code](QDialog &d) {
            EXPECT_EQ(d.focusWidget(), dialog.tAPT[0]);
            const std::pair<const char *, const char *> boxes[] = {{"tAPT(0)", code}, {"tAPT(1)", "2"}, {"tAPT(3)", "500"},
                                                                   {"tCoord(0)", "4907,1"}, {"tCoord(1)", "00946.5"}};
            for (const auto &[name, text] : boxes) d.findChild<QLineEdit *>(name)->setText(text);
            dialog.chkSLP->click();
            QTest::keyClick(d.focusWidget(), Qt::Key_Return);
            if (d.isVisible()) d.reject();
        };
    };
    ModalSteps steps({type("eddx"), type("EDDX")});
    EXPECT_EQ(dialog.newAirport(*t.store), "EDDX");
    EXPECT_EQ(dialog.windowTitle(), "Letzte Aktualisierung: ---");
    EXPECT_EQ(dialog.tCoord[0]->text(), "4907.1");
    EXPECT_FALSE(dialog.chkVLP->isChecked());
    EXPECT_EQ(t.store->reads.airportByIcao("EDDX").value()->Type, "SLP");
    EXPECT_EQ(dialog.newAirport(*t.store), std::nullopt);
    EXPECT_TRUE(dialogs.shown.at(0).text.startsWith("Für den ICAO Code - EDDX existiert schon"));
}
