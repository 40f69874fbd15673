#include "support/AirportWindowFixture.h"

#include <QDateEdit>
#include <QLabel>

#include <vector>

using volmira::test::AirportWindowTest;

namespace {

class AirportWindowDisplay : public AirportWindowTest {
protected:
    static std::vector<QString> column(const QTableView *grid, int col) {
        std::vector<QString> texts;
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            texts.push_back(grid->model()->index(row, col).data().toString());
        return texts;
    }
    static QString background(const QWidget *widget, QPalette::ColorRole role = QPalette::Base) {
        return widget->palette().color(role).name();
    }
};

}  // namespace

TEST_F(AirportWindowDisplay, CategoryChoosesTheColoursInAnyLetterCase) {
    open();
    const struct {
        const char *code, *frame, *name, *key, *type, *grids;
    } cases[] = {
        {"EDDG", "#ffff80", "#ffffc0", "#ffff80", "#80ff80", "#ffff80"},  // "vlp"
        {"EDKO", "#ffc080", "#ffe0c0", "#ffc080", "#80ff80", "#ffe0c0"},  // SLP
        {"NONE", "#ffff80", "#ffffc0", "#ffff80", "#80ff80", "#ffff80"},  // the empty window
    };
    for (const auto &c : cases) {
        enterCode(c.code);
        QTest::keyClick(window->tAirport, Qt::Key_Shift);  // the key-up that closed a box
        EXPECT_EQ(background(control("Frame2"), QPalette::Window), c.frame) << c.code;
        for (int i : {0, 3}) EXPECT_EQ(background(field(i)), c.name) << c.code << i;
        for (int i : {1, 2, 4, 6}) EXPECT_EQ(background(field(i)), c.key) << c.code << i;
        EXPECT_EQ(background(field(5)), c.type) << c.code;
        for (const char *name : {"gridRwyData", "gridApproach", "gridCom"})
            EXPECT_EQ(background(grid(name)), c.grids) << c.code << name;
    }
    for (int i = 0; i < 7; ++i) EXPECT_TRUE(field(i)->isReadOnly());
}

// The order is the store's; here: each grid shows the airport's rows.
TEST_F(AirportWindowDisplay, GridsShowTheAirportsRows) {
    open();
    EXPECT_EQ(column(grid("gridRwyData"), 0), (std::vector<QString>{"07C / 25C", "07L / 25R", "18 / 36"}));
    EXPECT_EQ(column(grid("gridApproach"), 0), (std::vector<QString>{"07L", "25R"}));
    enterCode("EDKO");
    EXPECT_EQ(column(grid("gridCom"), 1), (std::vector<QString>{"122.600"}));
    EXPECT_EQ(grid("gridApproach")->model()->rowCount(), 0);
}

TEST_F(AirportWindowDisplay, OnlyGridsOfTwoOrMoreRowsSelectTheCurrentRow) {
    open();
    QTableView *runways = grid("gridRwyData");
    EXPECT_TRUE(runways->selectionModel()->isRowSelected(0, {}));
    runways->setCurrentIndex(runways->model()->index(2, 1));
    EXPECT_EQ(runways->selectionModel()->selectedRows().size(), 1);
    EXPECT_TRUE(runways->selectionModel()->isRowSelected(2, {}));

    enterCode("EDKO");
    EXPECT_EQ(grid("gridCom")->currentIndex().row(), 0);
    for (const char *name : {"gridRwyData", "gridCom"})
        EXPECT_FALSE(grid(name)->selectionModel()->hasSelection()) << name;
}

TEST_F(AirportWindowDisplay, SurfaceIndicatorFollowsTheCurrentRunway) {
    open();
    const auto *lblRWY = control<QLabel>("lblRWY");
    const auto *lblRWYDesc = control<QLabel>("lblRWYDesc");
    const auto expectSurface = [&](const char *caption, const char *square, const char *text) {
        EXPECT_EQ(lblRWYDesc->text(), caption);
        EXPECT_EQ(background(lblRWY, QPalette::Window), square);
        EXPECT_EQ(background(lblRWYDesc, QPalette::Window), text);
    };
    expectSurface("Asphalt", "#808080", "#e0e0e0");
    enterCode("EDKA");  // SURFACE 2 first, then 0
    expectSurface("Gras", "#00c000", "#c0ffc0");
    QTableView *runways = grid("gridRwyData");
    runways->setCurrentIndex(runways->model()->index(1, 0));
    expectSurface("Asphalt", "#808080", "#e0e0e0");
    enterCode("EDDM");  // no runway, no surface
    EXPECT_TRUE(lblRWY->isHidden() && lblRWYDesc->isHidden());
}

TEST_F(AirportWindowDisplay, SunTimesFollowTheDateShownInGerman) {
    open();
    auto *dtpToday = control<QDateEdit>("dtpToday");
    EXPECT_EQ(dtpToday->date(), QDate(2026, 3, 14));  // the clock's day
    dtpToday->setDate(QDate(2026, 6, 21));
    EXPECT_EQ(dtpToday->text(), "21 Jun 2026");
    // Stepping sections with the keyboard keeps them in place beside German month names.
    dtpToday->setFocus();
    dtpToday->setCurrentSection(QDateTimeEdit::MonthSection);
    for (int i = 0; i < 3; ++i) QTest::keyClick(dtpToday, Qt::Key_Down);
    EXPECT_EQ(dtpToday->text(), "21 Mrz 2026");
    dtpToday->setCurrentSection(QDateTimeEdit::DaySection);
    QTest::keyClick(dtpToday, Qt::Key_Up);
    EXPECT_EQ(dtpToday->date(), QDate(2026, 3, 22));
    EXPECT_EQ(control<QLineEdit>("tSunrise")->text(), "Sonnenaufgang:      05:23 [ UTC ]");
}
