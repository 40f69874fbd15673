#include "support/AirportWindowFixture.h"
#include "editing/EditOperations.h"
#include "support/ModalSteps.h"

#include <QCheckBox>
#include <QAbstractSpinBox>
#include <QRegularExpression>
#include <QPushButton>
#include <QRadioButton>

using namespace volmira;
using test::ModalSteps;

namespace {

class AirportWindowEdit : public test::AirportWindowTest {
protected:
    void click(const char *button) { control<QPushButton>(button)->click(); }
    // Named controls of the window: where they are and whether they show.
    std::map<QString, std::pair<QRect, bool>> geometries() const {
        std::map<QString, std::pair<QRect, bool>> all;
        for (QWidget *w : window->findChildren<QWidget *>())
            if (!w->objectName().isEmpty()) all[w->objectName()] = {w->geometry(), w->isHidden()};
        return all;
    }
    // Pairs of shown controls, neither inside the other, that cover each other.
    QStringList overlaps() const {
        std::vector<QWidget *> shown;  // tTemp hides behind the search area by design
        for (QWidget *w : window->findChildren<QWidget *>(QRegularExpression("^(?!qt_|tTemp)[a-zA-Z]")))
            if (w->isVisible() && !qobject_cast<QAbstractSpinBox *>(w->parentWidget()) &&
                !qobject_cast<QAbstractScrollArea *>(w->parentWidget()))
                shown.push_back(w);
        QStringList found;
        const auto area = [this](QWidget *w) { return QRect(w->mapTo(window.get(), QPoint()), w->size()); };
        for (QWidget *a : shown)
            for (QWidget *b : shown)
                if (a < b && !a->isAncestorOf(b) && !b->isAncestorOf(a) && area(a).intersects(area(b)))
                    found << a->objectName() + " / " + b->objectName();
        return found;
    }
    QString cell(const char *grid, int column) const {
        QTableView *g = this->grid(grid);
        return g->model()->index(g->currentIndex().row(), column).data().toString();
    }
    static QLineEdit *box(QDialog &d, const char *name) { return d.findChild<QLineEdit *>(name); }
    static void enter(QDialog &d) { QTest::keyClick(d.focusWidget(), Qt::Key_Return); }
};

}  // namespace

TEST_F(AirportWindowEdit, EditModeMovesTheListsLeftAndFertigRestoresEveryGeometry) {
    open();
    const auto before = geometries();
    EXPECT_EQ(overlaps(), QStringList());
    click("cmdEdit");
    const struct { const char *name; int normal, edit; } lefts[] = {
        {"gridRwyData", 820, 120}, {"lblRWY", 820, 120}, {"Label5", 820, 120}, {"lblRWYDesc", 4100, 3480},
        {"gridCom", 720, 120},     {"Label7", 720, 120}};
    for (const auto &l : lefts) {
        EXPECT_EQ(control(l.name)->x(), platform::toPixels({l.edit})) << l.name;
        EXPECT_EQ(before.at(l.name).first.x(), platform::toPixels({l.normal})) << l.name;
    }
    EXPECT_EQ(control("Line1")->geometry().right() + 1, platform::toPixels({13560}));
    for (const char *shown : {"cmdAddRwy", "cmdDeleteApproach", "cmdChangeAPT", "cmdFertig", "Line2", "Line3"})
        EXPECT_FALSE(control(shown)->isHidden()) << shown;
    EXPECT_TRUE(control("cmdEdit")->isHidden());
    EXPECT_EQ(overlaps(), QStringList());
    click("cmdFertig");
    EXPECT_EQ(geometries(), before);
}

TEST_F(AirportWindowEdit, EditModeOutlivesTheMapPageAndLookupsAndNeedsAnAirport) {
    open();
    click("cmdEdit");
    click("cmdKarte");
    EXPECT_TRUE(control("cmdFertig")->isHidden() && control("cmdEdit")->isHidden());
    click("cmdAPTData");
    EXPECT_TRUE(!control("cmdFertig")->isHidden() && control("cmdEdit")->isHidden());
    for (const auto &[code, enabled] : {std::pair{"NONE", false}, {"EDKO", true}}) {
        enterCode(code);
        EXPECT_EQ(control("cmdAddRwy")->isEnabled(), enabled) << code;
        EXPECT_FALSE(control("cmdChangeAPT")->isHidden()) << code;
    }
}

// A double click changes a row only while the change button shows.
TEST_F(AirportWindowEdit, DoubleClickChangesARowOnlyInEditMode) {
    open();
    QTableView *runways = grid("gridRwyData");
    const auto doubleClick = [&] {
        const QRect row = runways->visualRect(runways->model()->index(1, 0));
        QTest::mouseDClick(runways->viewport(), Qt::LeftButton, {}, row.center());
    };
    { ModalSteps none({}); doubleClick(); }
    click("cmdEdit");
    ModalSteps change({[](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), "Letzte Aktualisierung: 01 Mrz 26 08:00:00");
        EXPECT_EQ(d.findChild<QLineEdit *>("tVorschau(0)")->text(), "07L / 25R");
        d.reject();
    }});
    doubleClick();
}

TEST_F(AirportWindowEdit, RunwayAddChangeCancelAndDelete) {
    open();
    click("cmdEdit");
    enterCode("EDKO");
    const auto lengths = [&] {
        const auto a = t.store->reads.airportByIcao("EDKO").value();
        return std::pair{a->RwyALen.value_or(-1), a->RwyGLen.value_or(-1)};
    };
    ModalSteps steps({
        [](QDialog &d) {  // a new runway starts empty, on asphalt
            EXPECT_EQ(d.windowTitle(), "Letzte Aktualisierung: ---");
            EXPECT_EQ(box(d, "tVorschau(1)")->text(), "");
            EXPECT_TRUE(d.findChild<QRadioButton *>("optBeton")->isChecked());
            for (const auto &[name, text] :
                 {std::pair{"tRwy(0)", "27r"}, {"tRwy(1)", "274"}, {"tRwy(3)", "1200"}, {"tRwy(4)", "30"}})
                box(d, name)->setText(text);
            enter(d);
        },
        [](QDialog &d) {  // change: grass, then Escape
            EXPECT_EQ(box(d, "tRwy(0)")->text(), "09L");
            d.findChild<QRadioButton *>("optGras")->click();
            QTest::keyClick(d.focusWidget(), Qt::Key_Escape);
        },
        [](QDialog &d) {
            EXPECT_TRUE(d.findChild<QRadioButton *>("optBeton")->isChecked());
            box(d, "tRwy(3)")->setText("1500");
            enter(d);
        },
    });
    click("cmdAddRwy");
    EXPECT_EQ(cell("gridRwyData", 0), "09L / 27R");
    EXPECT_TRUE(titles->last().at(0).toString().endsWith("RWY Info - 14 Mrz 26"));
    EXPECT_EQ(lengths(), std::pair(1200, 880));
    click("cmdChangeRwy");
    EXPECT_EQ(lengths(), std::pair(1200, 880));
    click("cmdChangeRwy");
    EXPECT_EQ(cell("gridRwyData", 3), "1500");
    EXPECT_EQ(lengths(), std::pair(1500, 880));
    EXPECT_EQ(window->findChildren<QDialog *>().size(), 1);
    dialogs.answers = {platform::Dialogs::Answer::No, platform::Dialogs::Answer::Yes};
    click("cmdDeleteRwy");
    click("cmdDeleteRwy");
    EXPECT_EQ(dialogs.shown.at(0).text, "Soll die Landebahn - 09L / 27R - gelöscht werden ? ");
    EXPECT_EQ(dialogs.shown.at(0).defaultAnswer, platform::Dialogs::Answer::No);  // Enter keeps the runway
    EXPECT_EQ(grid("gridRwyData")->model()->rowCount(), 1);
    EXPECT_EQ(lengths(), std::pair(0, 880));
    // The deletion marks the airport changed today, also after the next lookup.
    enterCode("EDKO");
    EXPECT_EQ(t.store->reads.airportByIcao("EDKO").value()->LastDate, "2026-03-14");
}

// A failed write is reported and the dialog opens again with the entry.
TEST_F(AirportWindowEdit, FrequencyApproachAndAirportCommands) {
    t.clock.set(QDateTime(QDate(2026, 6, 1), QTime(9, 0)));  // after Frankfurt's newest change
    open();
    click("cmdEdit");
    ASSERT_TRUE(t.db.exec("CREATE TRIGGER refuse BEFORE INSERT ON ACOM BEGIN SELECT RAISE(ABORT, 'no'); END;").ok());
    const auto answer = platform::Dialogs::Answer::Yes;
    const auto runway09 = [](QDialog &d) {
        box(d, "tApproach(0)")->setText("09 ");
        enter(d);
    };
    ModalSteps steps({
        [](QDialog &d) {
            box(d, "tCom(0)")->setText("INFO");
            box(d, "tCom(1)")->setText("123.450");
            enter(d);
        },
        [&](QDialog &d) {
            EXPECT_EQ(box(d, "tCom(0)")->text(), "INFO");
            ASSERT_TRUE(t.db.exec("DROP TRIGGER refuse;").ok());
            enter(d);
        },
        runway09, runway09,  // not a runway of the airport: No stores nothing, Yes stores it
        [](QDialog &d) {
            box(d, "tAPT(2)")->setText("Frankfurt Rhein-Main");
            d.findChild<QCheckBox *>("chkSLP")->click();
            enter(d);
        },
    });
    click("cmdAddCom");
    EXPECT_EQ(dialogs.shown.at(0).title, "Datenfehler");
    EXPECT_EQ(cell("gridCom", 0), "INFO");
    EXPECT_TRUE(titles->last().at(0).toString().endsWith("COM Info - 01 Jun 26"));
    dialogs.answers = {platform::Dialogs::Answer::No, answer};
    click("cmdAddApproach");
    EXPECT_EQ(grid("gridApproach")->model()->rowCount(), 2);
    click("cmdAddApproach");
    EXPECT_EQ(dialogs.shown.back().text,
              "Die Landebahn ( 09 ) wurde nicht gefunden. Soll der Anflug trotzdem hinzugefügt werden ? ");
    EXPECT_EQ(cell("gridApproach", 0), "09");
    t.clock.set(QDateTime(QDate(2026, 6, 2), QTime(9, 0)));
    click("cmdChangeAPT");
    EXPECT_EQ(field(0)->text(), "Frankfurt Rhein-Main");
    EXPECT_EQ(control("Frame2")->palette().color(QPalette::Window).name(), "#ffc080");
    EXPECT_TRUE(titles->last().at(0).toString().endsWith("Flughafen Info - 02 Jun 26"));
    dialogs.answers = {answer};
    click("cmdDeleteApproach");
    EXPECT_EQ(grid("gridApproach")->model()->rowCount(), 2);
    EXPECT_EQ(dialogs.shown.back().text, "Sollen die Anflugdaten für die Landebahn - 09 - gelöscht werden ? ");
    click("cmdDeleteCom");
    for (std::size_t i : {dialogs.shown.size() - 2, dialogs.shown.size() - 1})  // approach and frequency
        EXPECT_EQ(dialogs.shown[i].defaultAnswer, platform::Dialogs::Answer::No) << i;
}

// Another program changes the runway while its dialog is open: Save asks, "Nein"
// writes nothing and shows the stored runway, "Ja" writes over it; the next
// lookup shows what the other program left.
TEST_F(AirportWindowEdit, ARunwayChangedMeanwhileIsWrittenOverOnlyAfterJa) {
    open();
    click("cmdEdit");
    enterCode("EDKO");
    test::OtherProgram program(t);
    const auto stored = [&] { return t.store->reads.runways("EDKO").value().at(0); };
    const auto runwayChange = [&](int length) {
        const editing::RunwayEntry entry{"06 / 24", "060 / 240", "06", "24", length, 30, "", 1};
        EXPECT_EQ(test::outcomeOf(editing::changeRunway(*program.store, "EDKO", stored().id, store::stampOf(stored()), entry)), "written");
    };
    const auto save = [&](QDialog &d, int typed) {  // the sample runway has no RwyLow to fill the box with
        box(d, "tRwy(0)")->setText("06");
        box(d, "tRwy(3)")->setText(QString::number(typed));
        enter(d);
    };
    ModalSteps steps({
        [&](QDialog &d) {
            program.clock.set(QDateTime(QDate(2026, 4, 20), QTime(9, 0)));
            runwayChange(1000), save(d, 950);
        },
        [&](QDialog &d) {
            EXPECT_TRUE(titles->last().at(0).toString().endsWith("RWY Info - 20 Apr 26"));
            EXPECT_EQ(dialogs.shown.at(0).text, store::kChangedMeanwhileQuestion.toString());
            EXPECT_EQ(dialogs.shown.at(0).defaultAnswer, platform::Dialogs::Answer::No);
            EXPECT_EQ(box(d, "tRwy(3)")->text() + " " + cell("gridRwyData", 3), "1000 1000");
            program.clock.set(QDateTime(QDate(2026, 3, 15), QTime(9, 1)));
            runwayChange(1100), save(d, 1200);
        },
    });
    dialogs.answers = {platform::Dialogs::Answer::No, platform::Dialogs::Answer::Yes};
    click("cmdChangeRwy");
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(stored().Length, 1200);
    // Deleted by the other program, the airport is gone at the next lookup.
    ASSERT_TRUE(program.store->deletion.deleteAirport("EDKO").ok());
    enterCode("EDKO");
    EXPECT_EQ(dialogs.shown.back().text, "Es wurde kein Flughafen gefunden");
}
