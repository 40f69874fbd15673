#include "support/AirportWindowFixture.h"

#include <QHelpEvent>
#include <QToolTip>

using volmira::test::AirportWindowTest;

namespace {

const QString kLongName = QStringLiteral("Flugplatz mit einem Namen, der weder in das Feld noch in die Liste passt");

class AirportWindowShowing : public AirportWindowTest {
protected:
    // The tooltip a pause of the mouse over the cell shows; empty for none.
    static QString toolTipOver(QTableView *grid, const QModelIndex &index) {
        QToolTip::hideText();
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
        const QPoint at = grid->visualRect(index).center();
        QHelpEvent event(QEvent::ToolTip, at, grid->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(grid->viewport(), &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
};

}  // namespace

TEST_F(AirportWindowShowing, TheCodeBoxHasTheFocusAtStart) {
    open();
    EXPECT_TRUE(window->tAirport->hasFocus()) << QApplication::focusWidget()->objectName().toStdString();
    EXPECT_EQ(window->tAirport->selectedText(), "EDDF");
}

TEST_F(AirportWindowShowing, FilledFieldsShowTheBeginningOfTheirText) {
    volmira::test::addSampleAirport(t, "EDXL", kLongName, "SLP");
    open();
    enterCode("EDXL");
    EXPECT_EQ(field(0)->text(), kLongName);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(field(i)->cursorPosition(), 0) << i;
    EXPECT_EQ(control<QLineEdit>("tSunrise")->cursorPosition(), 0);
}

TEST_F(AirportWindowShowing, FrequencyNamesTakeWhatTheFrequenciesLeaveAndFollowByFrequency) {
    for (const char *freq : {"136.500", "119.905", "99.000"})
        volmira::test::expectOk(t.store->edits.insertFrequency({0, "EDDM", "MUENCHEN TOWER / TURM (NORTH)", freq, "2026-04-01", "09:00:00"}).error());
    open();
    enterCode("EDDM");
    QTableView *com = grid("gridCom");
    QCoreApplication::processEvents();
    std::vector<QString> order;
    for (int row = 0; row < 3; ++row) {
        const QModelIndex name = com->model()->index(row, 0);
        EXPECT_GE(com->visualRect(name).width(), com->sizeHintForIndex(name).width()) << "cut";
        order.push_back(com->model()->index(row, 1).data().toString());
    }
    EXPECT_EQ(order, (std::vector<QString>{"99.000", "119.905", "136.500"}));
    EXPECT_LT(com->columnWidth(1), 120);
    EXPECT_EQ(com->columnWidth(0) + com->columnWidth(1), com->viewport()->width());
}

TEST_F(AirportWindowShowing, ACutCellShowsItsWholeTextAsATooltip) {
    volmira::test::addSampleAirport(t, "EDXL", kLongName, "SLP");
    open();
    type(quickfind(), "f");
    ASSERT_EQ(list()->model()->rowCount(), 2);
    EXPECT_EQ(toolTipOver(list(), list()->model()->index(0, 1)), kLongName);
    EXPECT_EQ(toolTipOver(list(), list()->model()->index(1, 1)), "") << "Frankfurt/Main fits";
}
