#include "app/ui/Main.h"
#include "app/ui/frmAbout.h"
#include "platform/OnlineConfig.h"

#include "support/AirportWindowFixture.h"
#include "support/ModalSteps.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>

using namespace volmira;

namespace {

// History rows: code, stamp (empty: no date); three days in mixed order.
using History = std::vector<std::pair<const char *, const char *>>;
const History kTwoUpdates{{"EDST", "2010-12-05T00:00:00"}, {"EDDF", "2010-04-21T00:00:00"}, {"EDXX", ""},
                          {"EDDM", "2010-04-21T00:00:00"}, {"EDDH", "2010-04-21T16:45:00"}};

struct AboutWindow : test::AirportWindowTest {
    QString history() const { return QDir(t.folder()).filePath("UpdateInfo.crm"); }
    void write(const History &rows) {
        std::vector<store::exchange::HistoryEntry> entries;
        for (const auto &[icao, stamp] : rows) {
            const QDateTime at = QDateTime::fromString(stamp, Qt::ISODate);
            entries.push_back({icao, icao, at.isValid() ? std::optional(store::recordfile::DateTime{at.date(), at.time()})
                                                        : std::nullopt});
        }
        ASSERT_TRUE(store::exchange::writeUpdateHistory(history(), entries).ok());
    }
    std::unique_ptr<app::frmAbout> open() {
        auto about = std::make_unique<app::frmAbout>(*t.store, dialogs, shell, t.folder(), nullptr);
        about->show();
        return about;
    }
};

// Each day of the list with its count and the Date cells of its rows, "|" between the days.
QString daysOf(app::frmAbout &about) {
    QStringList days;
    for (int day = 0; day < about.cmbDate->count(); ++day) {
        about.cmbDate->setCurrentIndex(day);
        QStringList rows{about.cmbDate->currentText(), about.lblCount->text()};
        for (int r = 0; r < about.gridUpdate->model()->rowCount(); ++r)
            for (int c : {0, 2}) rows << about.gridUpdate->model()->index(r, c).data().toString();
        days << rows.join(' ');
    }
    return days.join(" | ");
}

}  // namespace

// Days by value, oldest first, rows in file order, undated rows last; a version that is no date as it is; an
// unreadable history is reported and the window opens; the release notes always.
TEST_F(AboutWindow, TheHistoryIsListedByDayWithItsCountsAndAnUnreadableOneIsReported) {
    const struct {
        std::optional<History> rows;  // none: the file holds `damaged`, or no file
        const char *damaged, *version, *lblData, *days;
    } cases[] = {
        {kTwoUpdates, nullptr, "21.04.2010", "Datenbank vom 21 Apr 2010",
         "21 Apr 2010 3 Flugplätze EDDF 21.04.2010 EDDM 21.04.2010 EDDH 21.04.2010 | "
         "05 Dez 2010 1 Flugplatz EDST 05.12.2010 | ohne Datum 1 Flugplatz EDXX "},
        {History{}, nullptr, "", "Datenbank vom ", ""},
        {std::nullopt, nullptr, "Frühjahr 2010", "Datenbank vom Frühjahr 2010", ""},
        {std::nullopt, "<xml><s:Schema", "2010-12-05", "Datenbank vom 05 Dez 2010", ""},
    };
    for (const auto &c : cases) {
        QFile::remove(history());
        if (c.rows) write(*c.rows);
        if (c.damaged) test::writeFile(history(), c.damaged);
        ASSERT_TRUE(t.store->edits.setVersion({QString::fromUtf8(c.version), "1.0.3"}).ok());
        dialogs.shown.clear();
        const auto about = open();
        EXPECT_EQ(about->lblData->text() + " | " + daysOf(*about), QString::fromUtf8(c.lblData) + " | " + c.days);
        EXPECT_EQ(about->listUpdate->count(), 6);
        EXPECT_EQ(dialogs.shown.size() == 1 && dialogs.shown[0].text.contains("UpdateInfo.crm"), bool(c.damaged));
    }
}

// From the menu's first entry: a double click shows the airport behind; the window stays until Esc.
TEST_F(AboutWindow, ADoubleClickShowsTheAirportBehindAndEscCloses) {
    write(kTwoUpdates);
    app::Main main(*t.store, dialogs, shell, t.folder(), t.folder(), false);
    main.show();
    ASSERT_EQ(main.menuBar()->actions().first(), main.mnuAbout);
    test::ModalSteps steps({[&](QDialog &about) {
        auto *grid = about.findChild<QTableView *>("gridUpdate");
        const QPoint cell = grid->visualRect(grid->model()->index(1, 1)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);  // a double click's first press
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
        EXPECT_TRUE(main.windowTitle().startsWith("Volmira EDDM")) << main.windowTitle().toStdString();
        EXPECT_TRUE(about.isVisible());
        QTest::keyClick(&about, Qt::Key_Escape);
    }});
    main.mnuAbout->trigger();
}

// The link's colour follows the mouse over it and the bare window; a site the desktop cannot open is told.
TEST_F(AboutWindow, TheLinkColoursWithTheMouseAndAClickOpensTheWebSite) {
    const auto about = open();
    const QColor link(255, 128, 255);
    const std::tuple<QWidget *, QPoint, QColor> moves[] = {{about->Label2, {4, 4}, link},
        {about->listUpdate->viewport(), {4, 4}, link}, {about.get(), {4, 470}, QColor(192, 192, 255)}};
    for (const auto &[over, at, colour] : moves) {
        QTest::mouseMove(over, at);
        EXPECT_EQ(about->Label2->palette().color(QPalette::Window), colour) << over->objectName().toStdString();
    }
    QTest::mouseClick(about->Label2, Qt::LeftButton);
    shell.openSucceeds = false;
    QTest::mouseClick(about->Label2, Qt::LeftButton);
    EXPECT_EQ(shell.opened, std::vector<QString>(2, platform::online::webUrl()));
    EXPECT_TRUE(dialogs.shown.size() == 1 && dialogs.shown[0].text.contains(platform::online::webUrl()));
}
