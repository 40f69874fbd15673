#include "browser/ui/MapCanvas.h"
#include "browser/ui/MapPanel.h"
#include "support/AirportWindowFixture.h"
#include "support/MapPageFiles.h"
#include "support/ModalSteps.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

using volmira::test::AirportWindowTest;
using volmira::test::MapWriteCounter;

namespace {

class MapPage : public AirportWindowTest {
protected:
    // Links the file to the slot of the airport; the active one opens with the airport.
    void link(const QString &icao, int slot, const QString &path, bool active = false) {
        const QFileInfo file(path);
        ASSERT_TRUE(t.store->maps.saveLink(icao, slot, file.absolutePath(), file.fileName(), file.baseName()).ok());
        if (active) {
            ASSERT_TRUE(t.store->maps.activate(icao, slot).ok());
        }
    }
    volmira::store::MapDataRow row(const QString &icao, int slot) const {
        auto found = t.store->maps.link(icao, slot);
        EXPECT_TRUE(found.ok() && found->has_value()) << icao.toStdString() << slot;
        return found.ok() && found->has_value() ? **found : volmira::store::MapDataRow{};
    }
    volmira::browser::MapPanel &panel() const { return window->mapPanel(); }
    QWidget *picMap() const { return control("picMap"); }
    QSlider *slider() const { return control<QSlider>("SlideMap"); }
    QString message() const { return control<QLabel>("lblMapMessage")->isVisible() ? control<QLabel>("lblMapMessage")->text() : QString(); }
    QPushButton *button(int slot) const {
        return control<QPushButton>(QStringLiteral("cmdMap(%1)").arg(slot).toLatin1().constData());
    }
    // Waits until the map asked for last is drawn or has failed.
    void settle() { EXPECT_TRUE(QTest::qWaitFor([this] { return !panel().loading(); }, 10'000)); QApplication::processEvents(); }
    void showMapPage() {
        window->ToggleMapView();
        settle();
    }
    void drag(int moves) {
        QTest::mousePress(picMap(), Qt::LeftButton, {}, {400, 200});
        for (int i = 1; i <= moves; ++i) {
            QMouseEvent move(QEvent::MouseMove, QPointF(400 - i, 200 - i), picMap()->mapToGlobal(QPointF(400 - i, 200 - i)),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(picMap(), &move);
        }
        QTest::mouseRelease(picMap(), Qt::LeftButton, {}, {400 - moves, 200 - moves});
    }
    void wheel(int notches) {
        QWheelEvent turn(QPointF(100, 100), picMap()->mapToGlobal(QPointF(100, 100)), {}, {0, 120 * notches},
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(picMap(), &turn);
    }
    QString folder() const { return t.folder(); }
};

}  // namespace

TEST_F(MapPage, APageSwitchLoadsTheButtonsOnceAndALookupAgain) {
    link("EDDF", 2, volmira::test::writeJpeg(folder(), "plan.jpg", 400, 300), true);
    open();
    QSignalSpy settled(&window->mapPanel(), &volmira::browser::MapPanel::mapSettled);
    for (int i = 0; i < 4; ++i) showMapPage();
    ASSERT_EQ(settled.count(), 1);
    EXPECT_EQ(button(2)->text(), "plan");
    EXPECT_EQ(button(3)->text(), "");
    EXPECT_FALSE(control("picMapButton(2)")->isHidden());
    EXPECT_TRUE(control("picMapButton(3)")->isHidden());
    enterCode("EDDF");  // on the data page: the map page loads on the next switch
    EXPECT_EQ(settled.count(), 1);
    showMapPage();
    EXPECT_EQ(settled.count(), 2);
    enterCode("EDDF");  // on the map page: at once
    settle();
    EXPECT_EQ(settled.count(), 3);
}

TEST_F(MapPage, TheViewComesBackAfterAnotherAirport) {
    link("EDDF", 0, volmira::test::writeJpeg(folder(), "plan.jpg", 800, 600), true);
    link("EDDM", 0, volmira::test::writeJpeg(folder(), "muc.jpg", 300, 300), true);
    open();
    showMapPage();
    EXPECT_EQ(slider()->value(), 100);
    EXPECT_EQ(row("EDDF", 0).SW, 800);  // the first view is stored as shown
    wheel(3);
    drag(20);
    const volmira::store::MapDataRow before = row("EDDF", 0);
    EXPECT_EQ(before.SlideMap, 85);
    EXPECT_GT(before.SX, 0);
    enterCode("EDDM");
    settle();
    enterCode("EDDF");
    settle();
    EXPECT_EQ(slider()->value(), 85);
    const volmira::store::MapDataRow after = row("EDDF", 0);
    EXPECT_EQ(std::tuple(after.SX, after.SY, after.SW, after.SH), std::tuple(before.SX, before.SY, before.SW, before.SH));
}

TEST_F(MapPage, ADragWritesOnceAndAPlainMoveDrawsNothing) {
    link("EDDF", 0, volmira::test::writeJpeg(folder(), "plan.jpg", 800, 600), true);
    open();
    showMapPage();
    wheel(10);  // magnified, so that there is room to pan
    panel().flushView();
    MapWriteCounter writes(t.db);
    drag(50);
    EXPECT_EQ(writes.updates, 1);

    QTest::qWait(50);
    QSignalSpy drawn(qobject_cast<volmira::browser::MapCanvas *>(picMap()), &volmira::browser::MapCanvas::drawn);
    for (int i = 0; i < 10; ++i) QTest::mouseMove(picMap(), {100 + i, 100});
    QTest::qWait(50);
    EXPECT_EQ(drawn.count(), 0);
    EXPECT_EQ(writes.updates, 1);
}

TEST_F(MapPage, ZoomStepsAreStoredWhenTheUserPausesInTheSlotClicked) {
    link("EDDF", 0, volmira::test::writeJpeg(folder(), "plan.jpg", 800, 600), true);
    link("EDDF", 4, volmira::test::writeJpeg(folder(), "vorfeld.jpg", 600, 600));
    open();
    showMapPage();
    QTest::mouseClick(button(4), Qt::LeftButton);
    settle();
    MapWriteCounter writes(t.db);
    for (int i = 0; i < 5; ++i) wheel(1);
    EXPECT_EQ(writes.updates, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return writes.updates == 1; }, 2000));
    EXPECT_EQ(row("EDDF", 4).SlideMap, 75);
    EXPECT_EQ(row("EDDF", 0).SlideMap, 100);
    EXPECT_TRUE(row("EDDF", 4).Active);
    EXPECT_FALSE(row("EDDF", 0).Active);
}

TEST_F(MapPage, AMapThatCannotBeShownSaysWhy) {
    const QString brokenJpeg = QDir(folder()).filePath("kaputt.jpg");
    volmira::test::writeFile(brokenJpeg, QByteArray::fromHex("FFD8FFE00001") + QByteArray(64, 'x'));
    const QString damagedPdf = QDir(folder()).filePath("kaputt.pdf");
    volmira::test::writeFile(damagedPdf, "%PDF-1.4\nkein PDF");
    const QString missing = QDir(folder()).filePath("fehlt.jpg");
    struct Case {
        QString path;
        QString boxTitle;  // empty: no box
        QString boxText;
        QString pageText;
    } cases[] = {
        {brokenJpeg, "Volmira APT", "Fehler im Bild", "Die Karte kann nicht angezeigt werden: " + brokenJpeg},
        {damagedPdf, "PDF Anzeigefehler", "Die PDF-Datei " + damagedPdf + " kann nicht angezeigt werden (", ""},
        {missing, "", "", "Die Karte kann nicht angezeigt werden: " + missing},
    };
    for (int slot = 0; slot < 3; ++slot) link("EDDF", slot, cases[slot].path);
    open();
    showMapPage();
    for (int slot = 0; slot < 3; ++slot) {
        SCOPED_TRACE(slot);
        dialogs.shown.clear();
        QTest::mouseClick(button(slot), Qt::LeftButton);
        settle();
        if (cases[slot].boxTitle.isEmpty()) {
            EXPECT_TRUE(dialogs.shown.empty());
        } else {
            ASSERT_EQ(dialogs.shown.size(), 1u);
            EXPECT_EQ(dialogs.shown[0].title, cases[slot].boxTitle);
            EXPECT_TRUE(dialogs.shown[0].text.startsWith(cases[slot].boxText)) << dialogs.shown[0].text.toStdString();
        }
        EXPECT_EQ(message(), cases[slot].pageText);
        EXPECT_FALSE(slider()->isVisible());
    }
}

TEST_F(MapPage, APdfClearsThePictureAndAFailedLookupEmptiesThePage) {
    link("EDDF", 0, volmira::test::writeJpeg(folder(), "plan.jpg", 800, 600), true);
    link("EDDF", 1, volmira::test::writePdf(folder(), "anflug.pdf"));
    open();
    showMapPage();
    QTest::mouseClick(button(1), Qt::LeftButton);
    settle();
    EXPECT_TRUE(control("acroMap")->isVisible());
    EXPECT_FALSE(picMap()->isVisible());
    MapWriteCounter writes(t.db);
    drag(5);
    wheel(1);
    panel().flushView();
    EXPECT_EQ(writes.updates, 0);  // no picture: nothing goes into a row

    enterCode("EDQQ");
    EXPECT_EQ(button(0)->text(), "");
    EXPECT_EQ(button(1)->text(), "");
    EXPECT_FALSE(control("acroMap")->isVisible());
    EXPECT_FALSE(control("picMapButton(0)")->isVisible());
}

TEST_F(MapPage, ABigPictureLoadsWithoutBlockingAndAnAirportSwitchDropsIt) {
    link("EDDF", 0, volmira::test::writeJpeg(folder(), "gross.jpg", 4000, 4000), true);
    link("EDDM", 0, volmira::test::writeJpeg(folder(), "klein.jpg", 200, 100), true);
    open();
    QElapsedTimer clock;
    qint64 last = 0, longest = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.elapsed() - last);
        last = clock.elapsed();
    });
    ticks.start(10);
    clock.start();
    window->ToggleMapView();
    EXPECT_EQ(message(), "Karte wird geladen …");
    settle();
    EXPECT_LT(longest, 200);
    EXPECT_EQ(row("EDDF", 0).SW, 4000);

    MapWriteCounter writes(t.db);
    enterCode("EDDF");  // again, and away before it has arrived
    EXPECT_TRUE(panel().loading());
    enterCode("EDDM");
    settle();
    QTest::qWait(100);
    EXPECT_EQ(row("EDDM", 0).SW, 200);
    EXPECT_EQ(writes.updates, 1);  // EDDM's first view only
    EXPECT_EQ(button(0)->text(), "klein");
}

TEST_F(MapPage, AFailedViewWriteShowsNoBoxAndTheNextOneRetries) {
    link("EDDF", 0, volmira::test::writeJpeg(folder(), "plan.jpg", 800, 600), true);
    open();
    showMapPage();
    wheel(10);
    panel().flushView();
    const double before = row("EDDF", 0).SX;
    ASSERT_TRUE(t.db.exec("CREATE TEMP TRIGGER locked BEFORE UPDATE ON MAPDATA BEGIN SELECT RAISE(ABORT, 'locked'); END")
                    .ok());
    drag(30);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(row("EDDF", 0).SX, before);
    ASSERT_TRUE(t.db.exec("DROP TRIGGER locked").ok());
    window->Form_QueryUnload();  // the close writes what is pending
    EXPECT_GT(row("EDDF", 0).SX, before);
}

TEST_F(MapPage, TheRightButtonAndEnterOpenTheLinkingDialogOnTheirSlot) {
    link("EDDF", 0, volmira::test::writeJpeg(folder(), "plan.jpg", 400, 300), true);
    open();
    showMapPage();
    const auto expectSlot = [](const char *number) {
        return [number](QDialog &dialog) {
            EXPECT_EQ(dialog.windowTitle(), "EDDF");
            EXPECT_EQ(dialog.findChild<QLineEdit *>("tNumber")->text(), number);
            dialog.reject();
        };
    };
    volmira::test::ModalSteps steps({expectSlot("0"), expectSlot("5")});
    QTest::mouseClick(button(0), Qt::RightButton);
    button(5)->setFocus();
    QTest::keyClick(button(5), Qt::Key_Return);
}
