#include "frmAirportFixture.h"

#include <QTableView>

using volmira::test::AirportWindowTest;

namespace {

class AirportWindowQuickfind : public AirportWindowTest {
protected:
    QLineEdit *quickfind() const { return control<QLineEdit>("tQuickfind"); }
    QTableView *list() const { return control<QTableView>("gridAirports"); }
};

}  // namespace

TEST_F(AirportWindowQuickfind, ATextWithoutHitsEmptiesTheList) {
    open();
    type(quickfind(), "m\u00FC");
    ASSERT_EQ(list()->model()->rowCount(), 2);
    type(quickfind(), "x");
    EXPECT_EQ(list()->model()->rowCount(), 0);
    EXPECT_EQ(shownIcao(), "EDDM");
}

TEST_F(AirportWindowQuickfind, EnterKeepsTheAirportPickedWithTheArrowKeys) {
    open();
    type(quickfind(), "m\u00FC");
    QTest::keyClick(quickfind(), Qt::Key_Down);
    EXPECT_EQ(shownIcao(), "EDDG");
    EXPECT_EQ(quickfind()->text(), "m\u00FC");
    QTest::keyClick(quickfind(), Qt::Key_Return);
    EXPECT_TRUE(list()->isHidden());
    EXPECT_EQ(shownIcao(), "EDDG");

    // The same from inside the list.
    type(quickfind(), "m\u00FC");
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(shownIcao(), "EDDG");
    EXPECT_TRUE(list()->selectionModel()->isRowSelected(1, {}));
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_TRUE(list()->isHidden());
    EXPECT_EQ(shownIcao(), "EDDG");
    EXPECT_TRUE(quickfind()->hasFocus());
}

TEST_F(AirportWindowQuickfind, EscapeInTheListReturnsToTheAirportOfBefore) {
    open();
    type(quickfind(), "b");
    list()->setCurrentIndex(list()->model()->index(0, 0));
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Escape);
    EXPECT_TRUE(list()->isHidden());
    EXPECT_EQ(shownIcao(), "EDDF");
}
