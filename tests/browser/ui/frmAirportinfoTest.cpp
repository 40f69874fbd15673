#include "browser/NoteActions.h"
#include "store/Rtf.h"
#include "support/AirportWindowFixture.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

#include <functional>

using namespace volmira;

namespace {

const QString kNote = QStringLiteral("Turm 118,775");

// The airport window on Frankfurt with four categories, a note in "Kontakt", and the panel open.
class NotePanelWindow : public test::AirportWindowTest {
protected:
    void SetUp() override {
        AirportWindowTest::SetUp();
        for (const char *name : {"Allgemein", "Kontakt", "Tanken", "Wetter"})
            test::expectOk(t.store->notes.insertCategory(name).error());
        test::expectOk(t.store->notes.insert({0, "EDDF", "Kontakt", kNote, kNote, "2026-03-01", "08:00:00"}).error());
    }
    void openPanel() { open(); press("Command3"); }
    void press(const char *button) { QTest::mouseClick(control<QAbstractButton>(button), Qt::LeftButton); }
    QListWidget *list() const { return control<QListWidget>("listAirportCategories"); }
    QTextEdit *editor() const { return control<QTextEdit>("rtfAirportinfo"); }
    QString entries() const {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i) texts << list()->item(i)->text();
        return texts.join('|');
    }
    QString selected() const { return list()->currentItem() ? list()->currentItem()->text() : QString(); }
    void click(const QString &entry) {
        const QRect at = list()->visualItemRect(list()->findItems(entry, Qt::MatchExactly).at(0));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at.center());
    }
    void typeNote(const QString &text) { editor()->setFocus(Qt::MouseFocusReason); QTest::keyClicks(editor(), text); }
    void leaveEditor() { control("tCategory")->setFocus(Qt::MouseFocusReason); }
    std::vector<store::MyInfoRow> notesOf(const char *icao) const { return t.store->notes.ofAirport(icao).value(); }
    QString lastKat() const { return t.store->reads.airportByIcao("EDDF").value()->LastKat; }
};

TEST_F(NotePanelWindow, LeavingWithoutAChangeStoresNothingAndKeepsStampsAndTitle) {
    openPanel();
    click("*Kontakt");
    const qsizetype titleCount = titles->count();
    typeNote("");
    leaveEditor();
    EXPECT_EQ(notesOf("EDDF")[0].Date + notesOf("EDDF")[0].MyInfo, "2026-03-01" + kNote) << "read, not rewritten";
    EXPECT_EQ(titles->count(), titleCount);
}

TEST_F(NotePanelWindow, ASaveMarksTheCategoryShowsTheStampAndNamesItInTheTitle) {
    t.clock.set(QDateTime(QDate(2026, 6, 1), QTime(9, 5)));  // newer than Frankfurt's approaches
    openPanel();
    click("Tanken");
    typeNote("AVGAS\t100LL");
    leaveEditor();
    EXPECT_EQ(entries(), "Allgemein|*Kontakt|*Tanken|Wetter");
    EXPECT_EQ(selected(), "*Tanken");
    EXPECT_EQ(control<QLabel>("lblAktuell")->text(), "Letzte Aktualisierung: 01.06.2026 - 09:05:00");
    EXPECT_TRUE(titles->last().at(0).toString().endsWith("Aktualisierung - Info Kategorie: Tanken - 01 Jun 26"));
    EXPECT_EQ(notesOf("EDDF")[1].PrintInfo, "AVGAS          100LL") << "Tab types a tab, printed as ten blanks";
    editor()->setFocus(Qt::MouseFocusReason);
    editor()->clear();
    leaveEditor();
    EXPECT_EQ(selected(), "Tanken") << "found again by its name, the mark gone";
}

TEST_F(NotePanelWindow, TheLookupSelectsTheEntryEqualToLastKatMarkIncludedAndCommand3RemembersIt) {
    const char *cases[][2] = {{"*Kontakt", "*Kontakt"}, {"Kontakt", ""}, {"Tanken", "Tanken"}};
    for (const auto &[remembered, shown] : cases) {
        test::expectOk(t.store->notes.setLastKat("EDDF", remembered).error());
        openPanel();
        EXPECT_EQ(selected(), shown) << remembered;
        EXPECT_EQ(editor()->toPlainText(), remembered[0] == '*' ? kNote : "");
    }
    click("*Kontakt");
    press("Command3");
    EXPECT_EQ(lastKat(), "*Kontakt");
}

TEST_F(NotePanelWindow, TheToolbarSetsBoldAndOneColourShowsItPressedAndLeavesNothing) {
    openPanel();
    const auto pressed = [this] {
        QString state;
        for (auto *b : control("toolrtf1")->findChildren<QToolButton *>()) state += b->isChecked() ? '1' : '0';
        return state;
    };
    EXPECT_EQ(pressed(), "0100") << "black at load, bold off";
    click("Wetter");
    typeNote("a");
    const std::pair<const char *, const char *> clicks[] = {
        {"toolrtf1(1)", "1100"}, {"toolrtf1(3)", "1010"}, {"toolrtf1(4)", "1001"}, {"toolrtf1(1)", "0001"}};
    for (const auto &[button, state] : clicks) {
        press(button);
        EXPECT_EQ(pressed(), state) << button;
    }
    press("toolrtf1(1)");
    QTest::keyClicks(editor(), "b");
    QTest::keyClick(editor(), Qt::Key_Home);
    EXPECT_EQ(pressed(), "0100") << "over the plain black a: what typing there gives";
    EXPECT_EQ(notesOf("EDDF").size(), 1u) << "no leave yet";
    leaveEditor();
    const store::NoteRun run = store::readNote(notesOf("EDDF")[1].MyInfo).paragraphs.at(0).runs.back();
    EXPECT_EQ(run, (store::NoteRun{"b", true, platform::Rgb{0, 0, 0xFF}}));
}

TEST_F(NotePanelWindow, EnterAddsOnKeyPressSoThatTheEnterClosingABoxAddsNothingAndSpaceIsTyped) {
    openPanel();
    auto *tCategory = control<QLineEdit>("tCategory");
    QTest::keyClick(tCategory, Qt::Key_Space);
    QTest::keyClick(control("cmdListAirAdd"), Qt::Key_Space);
    EXPECT_EQ(tCategory->text(), " ");
    EXPECT_TRUE(control("frmMap")->isHidden()) << "no page switched";
    tCategory->setText("*Frei");
    QTest::keyPress(tCategory, Qt::Key_Return);
    QTest::keyRelease(tCategory, Qt::Key_Return);  // closes the box
    tCategory->setText("Frequenzen");
    QTest::keyClick(tCategory, Qt::Key_Return);
    EXPECT_EQ(dialogs.shown.size(), 1u) << "the Enter closing the box adds nothing";
    EXPECT_EQ(entries(), "Allgemein|Frequenzen|*Kontakt|Tanken|Wetter");
    EXPECT_EQ(tCategory->text(), "");
}

// Whatever drops the editor's content first stores the change for the airport
// and category it was typed for.
TEST_F(NotePanelWindow, APendingChangeIsStoredBeforeTheEditorsContentIsDropped) {
    const std::pair<const char *, std::function<void()>> droppers[] = {
        {"lookup", [this] { window->tAirport->setText("EDKO"); window->GetInformation(); }},
        {"Command3", [this] { control<QPushButton>("Command3")->click(); }},
        {"rename", [this] { control<QPushButton>("cmdListAirChange")->click(); }},
        {"delete", [this] { control<QPushButton>("cmdListAirDelete")->click(); }},
        {"close", [this] { window->Form_QueryUnload(); }},
    };
    for (const auto &[name, drop] : droppers) {
        openPanel();
        click("Tanken");
        typeNote(name);
        drop();
        ASSERT_EQ(notesOf("EDDF").size(), 2u) << name;
        EXPECT_EQ(notesOf("EDDF")[1].PrintInfo, name);
        EXPECT_TRUE(notesOf("EDKO").empty());
        test::expectOk(t.store->notes.deleteCategory("Tanken").error());
        test::expectOk(t.store->notes.insertCategory("Tanken").error());
    }
}

TEST_F(NotePanelWindow, WithoutAirportOrCategoryTheEditorIsReadOnlyAndCommand3StoresNothing) {
    test::expectOk(t.store->notes.setLastKat("EDDF", "Wetter").error());
    openPanel();
    enterCode("XXXX");
    EXPECT_EQ(entries(), "Allgemein|Kontakt|Tanken|Wetter") << "no marks of no airport";
    EXPECT_TRUE(editor()->isReadOnly());
    press("Command3");
    EXPECT_EQ(lastKat(), "Wetter");
    for (const char *name : {"Allgemein", "Kontakt", "Tanken", "Wetter"})
        test::expectOk(t.store->notes.deleteCategory(name).error());
    enterCode("EDDF");
    EXPECT_TRUE(editor()->isReadOnly()) << "no category to keep a note in";
}

TEST_F(NotePanelWindow, RenameProposesTheOldNameAndDeleteAsksThenRefillsWithMarks) {
    openPanel();
    click("Tanken");
    dialogs.inputs = {std::nullopt, QStringLiteral("WETTER"), QStringLiteral(" Kraftstoff ")};
    for (int i = 0; i < 2; ++i) press("cmdListAirChange");
    EXPECT_EQ(dialogs.shown[0].title + dialogs.shown[0].text + dialogs.shown[0].proposed,
              "Kategorie ändernKategorie ändern.Tanken");
    EXPECT_EQ(dialogs.shown[2].text, "Die Kategorie existiert schon.");
    EXPECT_EQ(control<QLineEdit>("tCategory")->text(), "") << "a refused name is not left to be added";
    press("cmdListAirChange");
    EXPECT_EQ(entries(), "Allgemein|*Kontakt|Kraftstoff|Wetter");
    EXPECT_EQ(selected(), "Kraftstoff");
    dialogs.answers = {platform::Dialogs::Answer::No, platform::Dialogs::Answer::Yes};
    for (int i = 0; i < 2; ++i) press("cmdListAirDelete");
    EXPECT_EQ(dialogs.shown.size(), 6u);
    EXPECT_EQ(dialogs.shown[5].defaultAnswer, platform::Dialogs::Answer::No);  // Enter keeps the notes
    EXPECT_EQ(entries(), "Allgemein|*Kontakt|Wetter");
}

}  // namespace

// Another program stores the note being edited: leaving asks, "Nein" shows the other one.
TEST_F(NotePanelWindow, ANoteChangedMeanwhileIsNotStoredOverAfterNein) {
    openPanel();
    click("*Kontakt");
    typeNote("Hier ");
    const store::NoteText other{{store::NoteParagraph{{store::NoteRun{"Dort"}}}}};
    const store::Stamp shown = store::stampOf(notesOf("EDDF").at(0));
    EXPECT_EQ(test::outcomeOf(browser::saveNote(*test::OtherProgram(t).store, "EDDF", "Kontakt", other, shown)), "written");
    leaveEditor();
    EXPECT_EQ(dialogs.shown.at(0).text, store::kChangedMeanwhileQuestion.toString());
    EXPECT_EQ(dialogs.shown.at(0).defaultAnswer, platform::Dialogs::Answer::No);
    EXPECT_EQ(notesOf("EDDF").at(0).PrintInfo + " " + editor()->toPlainText(), "Dort Dort");
}
