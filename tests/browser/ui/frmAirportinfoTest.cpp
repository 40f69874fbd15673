#include "browser/Rtf.h"
#include "browser/ui/frmAirportinfo.h"
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
const QString kStoredAt = QStringLiteral("2026-03-01");

// The airport window on Frankfurt with four categories and a note in "Kontakt".
class NotePanel : public test::AirportWindowTest {
protected:
    void SetUp() override {
        AirportWindowTest::SetUp();
        for (const char *name : {"Allgemein", "Kontakt", "Tanken", "Wetter"})
            test::expectOk(t.store->notes.insertCategory(name).error());
        test::expectOk(t.store->notes.insert({0, "EDDF", "Kontakt", kNote, kNote, kStoredAt, "08:00:00"}).error());
    }

    browser::frmAirportinfo &openPanel() {
        open();
        QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
        return *control<browser::frmAirportinfo>("frmAirportinfo");
    }
    QListWidget *list() const { return control<QListWidget>("listAirportCategories"); }
    QTextEdit *editor() const { return control<QTextEdit>("rtfAirportinfo"); }
    QStringList entries() const {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i) texts << list()->item(i)->text();
        return texts;
    }
    QString selected() const { return list()->currentItem() ? list()->currentItem()->text() : QString(); }
    void click(const QString &entry) {
        const QRect at = list()->visualItemRect(list()->item(int(entries().indexOf(entry))));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at.center());
    }
    // Types into the note, the way a user enters the editor.
    void typeNote(const QString &text) {
        editor()->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(editor(), text);
    }
    void leaveEditor() { control("tCategory")->setFocus(Qt::MouseFocusReason); }
    std::vector<store::MyInfoRow> notesOf(const char *icao) const { return t.store->notes.ofAirport(icao).value(); }
    QString lastKat() const { return t.store->reads.airportByIcao("EDDF").value()->LastKat; }
};

TEST_F(NotePanel, LeavingWithoutAChangeStoresNothingAndKeepsStampsAndTitle) {
    openPanel();
    click("*Kontakt");
    EXPECT_EQ(editor()->toPlainText(), kNote);
    const qsizetype titleCount = titles->count();
    typeNote("");
    leaveEditor();
    EXPECT_EQ(notesOf("EDDF")[0].Date, kStoredAt);
    EXPECT_EQ(notesOf("EDDF")[0].MyInfo, kNote) << "a note only read is not rewritten";
    EXPECT_EQ(titles->count(), titleCount);
}

TEST_F(NotePanel, ASaveMarksTheCategoryShowsTheStampAndNamesItInTheTitle) {
    t.clock.set(QDateTime(QDate(2026, 6, 1), QTime(9, 5)));  // newer than Frankfurt's approaches
    openPanel();
    click("Tanken");
    typeNote("AVGAS\t100LL");
    leaveEditor();
    EXPECT_EQ(entries(), (QStringList{"Allgemein", "*Kontakt", "*Tanken", "Wetter"}));
    EXPECT_EQ(selected(), "*Tanken");
    EXPECT_EQ(control<QLabel>("lblAktuell")->text(), "Letzte Aktualisierung: 01.06.2026 - 09:05:00");
    EXPECT_TRUE(titles->last().at(0).toString().endsWith("Letzte Aktualisierung - Info Kategorie: Tanken - 01 Jun 26"))
        << titles->last().at(0).toString().toStdString();
    const store::MyInfoRow stored = notesOf("EDDF")[1];
    EXPECT_EQ(stored.PrintInfo, "AVGAS          100LL") << "Tab types a tab, kept as ten blanks";
    EXPECT_EQ(browser::plainText(browser::readNote(stored.MyInfo)), "AVGAS\t100LL");
}

TEST_F(NotePanel, TheLookupSelectsTheEntryEqualToLastKatMarkIncluded) {
    const struct {
        const char *lastKat;
        const char *selected;
    } cases[] = {{"*Kontakt", "*Kontakt"}, {"Kontakt", ""}, {"Tanken", "Tanken"}, {"", ""}};
    for (const auto &c : cases) {
        test::expectOk(t.store->notes.setLastKat("EDDF", c.lastKat).error());
        openPanel();
        EXPECT_EQ(selected(), c.selected) << c.lastKat;
        EXPECT_EQ(editor()->toPlainText(), selected().isEmpty() ? "" : c.selected[0] == '*' ? kNote : "");
        click("Wetter");
        QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
        EXPECT_EQ(lastKat(), "Wetter");
    }
}

TEST_F(NotePanel, TheToolbarSetsBoldAndOneColourWithoutLeavingTheEditor) {
    openPanel();
    const auto pressed = [this] {
        QString state;
        for (int i = 1; i <= 4; ++i)
            state += control<QToolButton>(QStringLiteral("toolrtf1(%1)").arg(i).toLatin1())->isChecked() ? '1' : '0';
        return state;
    };
    EXPECT_EQ(pressed(), "0100") << "black at load, bold off";
    click("Wetter");
    typeNote("a");
    const struct {
        int button;
        const char *state;
    } clicks[] = {{1, "1100"}, {3, "1010"}, {4, "1001"}, {1, "0001"}, {1, "1001"}};
    for (const auto &c : clicks) {
        QTest::mouseClick(control<QToolButton>(QStringLiteral("toolrtf1(%1)").arg(c.button).toLatin1()), Qt::LeftButton);
        EXPECT_EQ(pressed(), c.state) << c.button;
        EXPECT_TRUE(editor()->hasFocus());
    }
    QTest::keyClicks(editor(), "b");
    EXPECT_TRUE(notesOf("EDDF").size() == 1) << "no leave yet";
    leaveEditor();
    const browser::NoteRun run = browser::readNote(notesOf("EDDF")[1].MyInfo).paragraphs.at(0).runs.back();
    EXPECT_EQ(run, (browser::NoteRun{"b", true, browser::Rgb{0, 0, 0xFF}}));
}

TEST_F(NotePanel, EnterAddsOnKeyPressSoThatTheEnterClosingABoxAddsNothing) {
    openPanel();
    auto *tCategory = control<QLineEdit>("tCategory");
    tCategory->setText("*Frei");
    QTest::keyPress(tCategory, Qt::Key_Return);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Datenfehler");
    QTest::keyRelease(tCategory, Qt::Key_Return);  // closed the box
    EXPECT_EQ(dialogs.shown.size(), 1u);
    tCategory->setText("Frequenzen");
    QTest::keyClick(tCategory, Qt::Key_Return);
    EXPECT_EQ(entries(), (QStringList{"Allgemein", "Frequenzen", "*Kontakt", "Tanken", "Wetter"}));
    EXPECT_EQ(tCategory->text(), "");
}

// Whatever drops the editor's content first stores the change for the airport
// and category it was typed for.
TEST_F(NotePanel, APendingChangeIsStoredBeforeTheEditorsContentIsDropped) {
    const std::vector<std::pair<const char *, std::function<void()>>> droppers{
        {"lookup", [this] { window->tAirport->setText("EDKO"), window->GetInformation(); }},
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
        const std::vector<store::MyInfoRow> notes = notesOf("EDDF");
        ASSERT_EQ(notes.size(), 2u) << name;
        EXPECT_EQ(notes[1].PrintInfo, name);
        EXPECT_TRUE(notesOf("EDKO").empty());
        test::expectOk(t.store->notes.deleteCategory("Tanken").error());
        test::expectOk(t.store->notes.insertCategory("Tanken").error());
    }
}

TEST_F(NotePanel, EmptyingAMarkedNoteKeepsItsEntrySelectedUnmarked) {
    openPanel();
    click("*Kontakt");
    editor()->setFocus(Qt::MouseFocusReason);
    editor()->selectAll();
    QTest::keyClick(editor(), Qt::Key_Delete);
    leaveEditor();
    EXPECT_EQ(selected(), "Kontakt");
}

TEST_F(NotePanel, WithoutAirportOrCategoryTheEditorIsReadOnlyAndCommand3StoresNothing) {
    test::expectOk(t.store->notes.setLastKat("EDDF", "Wetter").error());
    openPanel();
    enterCode("XXXX");
    EXPECT_EQ(entries(), (QStringList{"Allgemein", "Kontakt", "Tanken", "Wetter"})) << "no marks of no airport";
    EXPECT_TRUE(editor()->isReadOnly());
    QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_EQ(lastKat(), "Wetter");
    enterCode("EDDF");
    EXPECT_FALSE(editor()->isReadOnly());
}

TEST_F(NotePanel, RenameProposesTheOldNameAndDeleteAsksThenRefillsWithMarks) {
    openPanel();
    click("Tanken");
    dialogs.inputs = {std::nullopt, QStringLiteral("Kraftstoff")};
    for (int i = 0; i < 2; ++i) QTest::mouseClick(control<QPushButton>("cmdListAirChange"), Qt::LeftButton);
    EXPECT_EQ(dialogs.shown[0].title + "|" + dialogs.shown[0].text + "|" + dialogs.shown[0].proposed,
              "Kategorie ändern|Kategorie ändern.|Tanken");
    EXPECT_EQ(entries(), (QStringList{"Allgemein", "*Kontakt", "Kraftstoff", "Wetter"}));
    EXPECT_EQ(selected(), "Kraftstoff");

    dialogs.answers = {platform::Dialogs::Answer::No, platform::Dialogs::Answer::Yes};
    for (int i = 0; i < 2; ++i) QTest::mouseClick(control<QPushButton>("cmdListAirDelete"), Qt::LeftButton);
    EXPECT_EQ(dialogs.shown.size(), 4u);
    EXPECT_EQ(entries(), (QStringList{"Allgemein", "*Kontakt", "Wetter"}));
}

TEST_F(NotePanel, SpaceSwitchesNoPageWhileThePanelShows) {
    openPanel();
    auto *tCategory = control<QLineEdit>("tCategory");
    tCategory->setFocus();
    QTest::keyClick(tCategory, Qt::Key_Space);
    QTest::keyClick(control("cmdListAirAdd"), Qt::Key_Space);
    EXPECT_EQ(tCategory->text(), " ");
    EXPECT_TRUE(control("frmMap")->isHidden());
    EXPECT_EQ(entries().size(), 4);
}

}  // namespace
