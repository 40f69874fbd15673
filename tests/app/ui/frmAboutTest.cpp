#include "app/ui/Main.h"
#include "app/ui/frmAbout.h"
#include "browser/ui/frmAirport.h"
#include "platform/OnlineConfig.h"

#include "support/AirportWindowFixture.h"
#include "support/HistoryFile.h"
#include "support/ModalSteps.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>

using namespace volmira;

namespace {

class AboutWindow : public test::AirportWindowTest {
protected:
    std::unique_ptr<app::frmAbout> open() {
        auto about = std::make_unique<app::frmAbout>(*t.store, dialogs, shell, t.folder(), nullptr);
        about->show();
        return about;
    }
    QString historyPath() const { return QDir(t.folder()).filePath("UpdateInfo.crm"); }
};

QStringList itemsOf(const QComboBox *list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
}

// The grid's rows, "ICAO Name Date" each.
QStringList rowsOf(const QTableView *grid) {
    QStringList rows;
    for (int r = 0; r < grid->model()->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid->model()->columnCount(); ++c) cells << grid->model()->index(r, c).data().toString();
        rows << cells.join(' ');
    }
    return rows;
}

void moveMouse(QWidget *over, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, over->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(over, &move);
}

}  // namespace

// Each choice of the date list shows that day's airports and their count; a
// missing, empty or damaged history leaves the list empty, and the release
// notes are always there.
TEST_F(AboutWindow, EachDayShowsItsAirportsAndTheReleaseNotesAreAlwaysShown) {
    ASSERT_TRUE(t.store->edits.setVersion({"21.04.2010", "1.0.3"}).ok());
    const struct {
        std::optional<std::vector<test::HistoryRow>> rows;  // none: no file
        QStringList days;
        QStringList counts;  // lblCount for each day in turn
        bool damaged;
    } cases[] = {
        {test::kTwoUpdates,
         {"21 Apr 2010", "05 Dez 2010", "ohne Datum"},
         {"3 Flugplätze", "1 Flugplatz", "1 Flugplatz"},
         false},
        {std::nullopt, {}, {}, false},
        {std::vector<test::HistoryRow>{}, {}, {}, false},
        {std::nullopt, {}, {}, true},
    };
    for (const auto &c : cases) {
        QFile::remove(historyPath());
        if (c.rows) test::writeHistory(t.folder(), *c.rows);
        if (c.damaged) test::writeFile(historyPath(), "<xml><s:Schema");
        dialogs.shown.clear();
        const auto about = open();
        const auto row = &c - cases;
        EXPECT_EQ(about->windowTitle(), "About");
        EXPECT_EQ(about->lblData->text(), "Datenbank vom 21 Apr 2010");
        EXPECT_EQ(about->listUpdate->count(), 6) << row;
        EXPECT_EQ(itemsOf(about->cmbDate), c.days) << row;
        ASSERT_EQ(dialogs.shown.size(), c.damaged ? 1u : 0u) << row;
        if (c.damaged) EXPECT_TRUE(dialogs.shown[0].text.contains("UpdateInfo.crm"));
        if (c.days.isEmpty()) {
            EXPECT_EQ(about->lblCount->text(), "");
            EXPECT_EQ(about->gridUpdate->model()->rowCount(), 0);
        }
        for (int day = 0; day < c.days.size(); ++day) {
            about->cmbDate->setCurrentIndex(day);
            EXPECT_EQ(about->lblCount->text(), c.counts[day]) << row << ' ' << day;
            EXPECT_EQ(about->gridUpdate->model()->rowCount(), c.counts[day].section(' ', 0, 0).toInt());
        }
    }
}

TEST_F(AboutWindow, TheGridShowsTheRowsOfTheChosenDayInFileOrderWithTheDayAsDate) {
    test::writeHistory(t.folder(), test::kTwoUpdates);
    const auto about = open();
    EXPECT_EQ(rowsOf(about->gridUpdate), QStringList({"EDDF Frankfurt/Main 21.04.2010", "EDDM München 21.04.2010",
                                                      "EDDH Hamburg 21.04.2010"}));
    about->cmbDate->setCurrentIndex(2);
    EXPECT_EQ(rowsOf(about->gridUpdate), QStringList({"EDXX ohne Stempel "}));
}

// From the menu's first entry: a double click shows the airport in the
// airport window behind, the window stays until Esc.
TEST_F(AboutWindow, ADoubleClickShowsTheAirportBehindAndEscCloses) {
    test::writeHistory(t.folder(), test::kTwoUpdates);
    app::Main main(*t.store, dialogs, shell, t.folder(), t.folder(), false);
    main.show();
    main.showAirportWindow();
    ASSERT_EQ(main.menuBar()->actions().first(), main.mnuAbout);
    EXPECT_EQ(main.mnuAbout->text(), "About");
    test::ModalSteps steps({[&](QDialog &about) {
        auto *grid = about.findChild<QTableView *>("gridUpdate");
        const QRect cell = grid->visualRect(grid->model()->index(1, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        EXPECT_EQ(main.airportWindow()->tAirport->text(), "EDDM");
        EXPECT_TRUE(main.windowTitle().startsWith("Volmira EDDM")) << main.windowTitle().toStdString();
        EXPECT_TRUE(about.isVisible());
        QTest::keyClick(&about, Qt::Key_Escape);
    }});
    main.mnuAbout->trigger();
}

// The link's background follows the mouse: over the link, and over the
// window's bare area, not over another control; a click opens the web site,
// and a desktop that cannot open it is told.
TEST_F(AboutWindow, TheLinkColoursWithTheMouseAndAClickOpensTheWebSite) {
    const auto about = open();
    const QColor link(255, 128, 255), window(192, 192, 255);
    auto background = [&] { return about->Label2->palette().color(QPalette::Window); };
    const struct {
        QWidget *over;
        QPoint at;
        QColor after;
    } moves[] = {
        {about->Label2, {4, 4}, link},
        {about->lblProg, {4, 4}, link},  // another control: unchanged
        {about.get(), {4, 470}, window},  // the bare window below the grid
        {about->Label2, {10, 6}, link},
    };
    for (const auto &m : moves) {
        moveMouse(m.over, m.at);
        EXPECT_EQ(background(), m.after) << &m - moves;
    }
    EXPECT_EQ(about->Label2->text(), platform::online::webAddress());
    QTest::mouseClick(about->Label2, Qt::LeftButton);
    shell.openSucceeds = false;
    QTest::mouseClick(about->Label2, Qt::LeftButton);
    EXPECT_EQ(shell.opened, std::vector<QString>(2, platform::online::webUrl()));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains(platform::online::webUrl()));
}
