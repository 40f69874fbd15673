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
        open();
        window->ToggleMapView();
        settle();
    }
    void settle() {
        EXPECT_TRUE(QTest::qWaitFor([this] { return !window->mapPanel().loading(); }, 10'000));
        QApplication::processEvents();
    }
    QPushButton *button(int slot) const {
        return control<QPushButton>(QStringLiteral("cmdMap(%1)").arg(slot).toLatin1().constData());
    }
    // Drags the file over the panel and drops it at the point of the widget.
    void drop(const QString &file, QWidget *on, QPoint at) {
        browser::MapPanel &panel = window->mapPanel();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        const QPointF where = on->mapTo(&panel, at);
        QDragEnterEvent enter(where.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&panel, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent dropped(where, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&panel, &dropped);
        QApplication::processEvents();
        settle();
    }
    store::MapDataRow row(int slot) const { return t.store->maps.link("EDDF", slot).value().value_or(store::MapDataRow{}); }
};

}  // namespace

TEST_F(MapPageDrop, AChartDroppedOnAFreeButtonOrThePageIsLinkedAndShownOtherFilesAreRefused) {
    const QString chart = QDir(t.folder()).filePath("anflug.jpg"), text = QDir(t.folder()).filePath("notiz.txt");
    test::writeJpeg(chart, 400, 300);
    test::writeFile(text, "x");
    ASSERT_TRUE(t.store->maps.saveLink("EDDF", 0, "/k", "alt.jpg", "Alt").ok());
    window->mapPanel().MapButtons("EDDF");

    dialogs.answers = {Answer::No};  // not copied
    drop(chart, button(3), {5, 5});
    EXPECT_EQ(std::tuple(row(3).File, row(3).Name, row(3).Active, button(3)->text()),
              std::tuple(QString("anflug.jpg"), QString("anflug.jpg"), true, QString("anflug.jpg")));
    EXPECT_FALSE(control("picMapButton(3)")->isHidden());

    dialogs.answers = {Answer::Yes};  // copied into Karten/EDDF
    drop(chart, control("picMap"), {50, 50});
    EXPECT_EQ(std::pair(row(1).Location, row(1).File), std::pair(QDir(t.folder()).filePath("Karten/EDDF"), QString("anflug.jpg")));
    EXPECT_FALSE(control("picMapButton(1)")->isHidden());

    dialogs.answers = {Answer::No};  // the occupied slot is not replaced
    drop(chart, button(0), {5, 5});
    drop(text, button(4), {5, 5});
    ASSERT_EQ(dialogs.shown.size(), 4u);
    EXPECT_EQ(dialogs.shown[2].text, browser::replaceQuestion("Alt", "anflug.jpg"));
    EXPECT_EQ(dialogs.shown[3].text, browser::kNotAMapFile);
    EXPECT_EQ(std::pair(row(0).File, row(4).File), std::pair(QString("alt.jpg"), QString()));
}

TEST_F(MapPageDrop, AnExpiredChartIsMarkedOnItsButtonAndAboveTheMapWhichStaysShown) {
    const QString chart = QDir(t.folder()).filePath("plan.jpg");
    test::writeJpeg(chart, 400, 300);
    const QDate yesterday = QDate::currentDate().addDays(-1);
    for (int slot : {0, 1}) ASSERT_TRUE(t.store->maps.saveLink("EDDF", slot, t.folder(), "plan.jpg", "Plan").ok());
    ASSERT_TRUE(t.store->maps.setValidUntil("EDDF", 0, yesterday.toString(Qt::ISODate)).ok());
    ASSERT_TRUE(t.store->maps.setValidUntil("EDDF", 1, QDate::currentDate().toString(Qt::ISODate)).ok());
    ASSERT_TRUE(t.store->maps.activate("EDDF", 0).ok());
    window->mapPanel().MapButtons("EDDF");
    settle();
    const QString expired = "Karte abgelaufen am " + yesterday.toString("dd.MM.yyyy");
    auto *label = control<QLabel>("lblExpired");
    EXPECT_EQ(std::tuple(button(0)->toolTip(), button(1)->toolTip(), label->isVisible(), label->text()),
              std::tuple(expired, QString(), true, expired));
    EXPECT_NE(control<QLabel>("lblMapButton(0)")->palette().color(QPalette::WindowText),
              control<QLabel>("lblMapButton(1)")->palette().color(QPalette::WindowText));
    EXPECT_TRUE(control("picMap")->isVisible());
    QTest::mouseClick(button(1), Qt::LeftButton);
    settle();
    EXPECT_FALSE(label->isVisible());
}
