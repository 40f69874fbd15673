// Charts dropped on the map page, and expired charts marked on their button and the page.
#include "browser/MapDrop.h"
#include "browser/ui/MapPanel.h"
#include "support/AirportWindowFixture.h"
#include "support/MapPageFiles.h"

#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

using namespace volmira;
using Answer = platform::Dialogs::Answer;

namespace {

class MapPageDrop : public test::AirportWindowTest {
protected:
    void SetUp() override {
        AirportWindowTest::SetUp();
        test::writeJpeg(chart, 400, 300);
        open();
        window->ToggleMapView();
    }
    void settle() {
        EXPECT_TRUE(QTest::qWaitFor([this] { return !window->mapPanel().loading(); }, 10'000));
        QApplication::processEvents();
    }
    QPushButton *button(int slot) const { return control<QPushButton>(qPrintable(QStringLiteral("cmdMap(%1)").arg(slot))); }
    // Drags the file onto the panel and drops it on the widget.
    void drop(const QString &file, QWidget *on) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        const QPoint where = on->mapTo(&window->mapPanel(), QPoint(5, 5));
        QDragEnterEvent enter(where, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&window->mapPanel(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent dropped(where, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&window->mapPanel(), &dropped);
        QApplication::processEvents();
        settle();
    }
    store::MapDataRow row(int slot) const { return t.store->maps.link("EDDF", slot).value().value_or(store::MapDataRow{}); }
    const QString chart = QDir(t.folder()).filePath("anflug.jpg");
};

}  // namespace

TEST_F(MapPageDrop, AChartDroppedOnAFreeButtonOrThePageIsLinkedAndShownOtherFilesAreRefused) {
    const QString text = QDir(t.folder()).filePath("notiz.txt");
    test::writeFile(text, "x");
    ASSERT_TRUE(t.store->maps.saveLink("EDDF", 0, "/k", "alt.jpg", "Alt").ok());
    window->mapPanel().MapButtons("EDDF");
    dialogs.answers = {Answer::No, Answer::Yes};  // the first not copied, the second copied
    drop(chart, button(3));
    EXPECT_EQ(std::tuple(row(3).File, row(3).Name, row(3).Active, button(3)->text()),
              std::tuple(QString("anflug.jpg"), QString("anflug.jpg"), true, QString("anflug.jpg")));
    drop(chart, control("picMap"));
    EXPECT_EQ(row(1).Location, QDir(t.folder()).filePath("Karten/EDDF"));
    EXPECT_FALSE(control("picMapButton(1)")->isHidden());  // shown
    drop(chart, button(0));  // the occupied slot is not replaced: No
    drop(text, button(4));
    ASSERT_EQ(dialogs.shown.size(), 4u);
    EXPECT_EQ(dialogs.shown[2].text + dialogs.shown[3].text, browser::replaceQuestion("Alt", "anflug.jpg") + browser::kNotAMapFile);
    EXPECT_EQ(row(0).File + row(4).File, "alt.jpg");
}

TEST_F(MapPageDrop, AnExpiredChartIsMarkedOnItsButtonAndAboveTheMapWhichStaysShown) {
    const QDate yesterday = QDate::currentDate().addDays(-1);
    for (const auto &[slot, day] : {std::pair(0, yesterday), {1, QDate::currentDate()}}) {
        ASSERT_TRUE(t.store->maps.saveLink("EDDF", slot, t.folder(), "anflug.jpg", "Plan").ok());
        ASSERT_TRUE(t.store->maps.setValidUntil("EDDF", slot, day.toString(Qt::ISODate)).ok());
    }
    ASSERT_TRUE(t.store->maps.activate("EDDF", 0).ok());
    window->mapPanel().MapButtons("EDDF");
    settle();
    const QString expired = "Karte abgelaufen am " + yesterday.toString("dd.MM.yyyy");
    auto *label = control<QLabel>("lblExpired");
    EXPECT_EQ(std::tuple(button(0)->toolTip(), button(1)->toolTip(), label->isVisible(), label->text(), control("picMap")->isVisible()),
              std::tuple(expired, QString(), true, expired, true));
    EXPECT_FALSE(label->geometry().intersects(control("frmMapTools")->geometry())) << "the view buttons below it";
    EXPECT_NE(control<QLabel>("lblMapButton(0)")->palette().color(QPalette::WindowText),
              control<QLabel>("lblMapButton(1)")->palette().color(QPalette::WindowText));
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_FALSE(label->isVisible());
}
