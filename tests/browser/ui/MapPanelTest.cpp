#include "browser/picture/NightPicture.h"
#include "browser/ui/MapCanvas.h"
#include "browser/ui/MapPanel.h"
#include "browser/ui/frmKarte.h"
#include "support/Fifo.h"
#include "support/AirportWindowFixture.h"
#include "support/MapPageFiles.h"
#include "support/ModalSteps.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>

#include <sqlcipher/sqlite3.h>

using namespace volmira;

namespace {

class MapPage : public test::AirportWindowTest {
protected:
    // Links the file below the data folder (a JPEG of that size made first, unless the size is 0) to the slot.
    QString link(const char *icao, int slot, const char *name, int width = 0, int height = 0, bool active = false) {
        const QFileInfo path(QDir(t.folder()).filePath(name));
        if (width > 0 && QDir().mkpath(path.path())) test::writeJpeg(path.filePath(), width, height);
        EXPECT_TRUE(t.store->maps.saveLink(icao, slot, path.path(), path.fileName(), path.baseName()).ok());
        if (active) EXPECT_TRUE(t.store->maps.activate(icao, slot).ok());
        return path.filePath();
    }
    store::MapDataRow row(const char *icao, int slot) const {
        auto found = t.store->maps.link(icao, slot);
        return found.ok() && found->has_value() ? **found : store::MapDataRow{};
    }
    browser::MapPanel &panel() const { return window->mapPanel(); }
    QWidget *picMap() const { return control("picMap"); }
    QString message() const { return control<QLabel>("lblMapMessage")->isVisible() ? control<QLabel>("lblMapMessage")->text() : ""; }
    int writes() const { return sqlite3_total_changes(t.db.handle()); }
    QPushButton *button(int slot) const {
        return control<QPushButton>(QStringLiteral("cmdMap(%1)").arg(slot).toLatin1().constData());
    }
    // Until the map asked for last is drawn or has failed.
    void settle() {
        EXPECT_TRUE(QTest::qWaitFor([this] { return !panel().loading(); }, 10'000));
        QApplication::processEvents();
    }
    void showMapPage() {
        window->ToggleMapView();
        settle();
    }
    void drag(int moves) {
        QTest::mousePress(picMap(), Qt::LeftButton, {}, {400, 200});
        for (int i = 1; i <= moves; ++i) {
            const QPointF at(400 - i, 200 - i);
            QMouseEvent move(QEvent::MouseMove, at, picMap()->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(picMap(), &move);
        }
        QTest::mouseRelease(picMap(), Qt::LeftButton, {}, {400 - moves, 200 - moves});
    }
    void wheel(int notches) {
        QWheelEvent turn({100, 100}, picMap()->mapToGlobal(QPointF(100, 100)), {}, {0, 120 * notches}, Qt::NoButton,
                         {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(picMap(), &turn);
    }
};

}  // namespace

TEST_F(MapPage, APageSwitchLoadsTheButtonsOnceALookupAgainAndButtonsOpenTheLinkingDialog) {
    link("EDDF", 2, "plan.jpg", 400, 300, true);
    open();
    QSignalSpy settled(&panel(), &browser::MapPanel::mapSettled);
    for (int i = 0; i < 4; ++i) showMapPage();
    ASSERT_EQ(settled.count(), 1);
    EXPECT_EQ(button(2)->text() + button(3)->text(), "plan");
    EXPECT_TRUE(!control("picMapButton(2)")->isHidden() && control("picMapButton(3)")->isHidden());
    enterCode("EDDF");  // on the data page: the map page loads on the next switch
    EXPECT_EQ(settled.count(), 1);
    showMapPage();
    EXPECT_EQ(settled.count(), 2);
    enterCode("EDDF");  // on the map page: at once
    settle();
    EXPECT_EQ(settled.count(), 3);

    // The right button on a linked slot, Enter on a free one.
    const auto onSlot = [](const char *number) {
        return [number](QDialog &dialog) {
            EXPECT_EQ(dialog.windowTitle() + dialog.findChild<QLineEdit *>("tNumber")->text(), QString("EDDF") + number);
            dialog.reject();
        };
    };
    test::ModalSteps steps({onSlot("2"), onSlot("5")});
    QTest::mouseClick(button(2), Qt::RightButton);
    button(5)->setFocus();
    QTest::keyClick(button(5), Qt::Key_Return);
}

TEST_F(MapPage, TheViewComesBackAfterAnotherAirport) {
    link("EDDF", 0, "plan.jpg", 800, 600, true);
    link("EDDM", 0, "muc.jpg", 300, 300, true);
    open();
    showMapPage();
    EXPECT_EQ(row("EDDF", 0).SW, 800);  // the first view is stored as shown
    wheel(3);
    drag(20);
    const store::MapDataRow before = row("EDDF", 0);
    EXPECT_GT(before.SX, 0);
    enterCode("EDDM");
    settle();
    enterCode("EDDF");
    settle();
    EXPECT_EQ(control<QSlider>("SlideMap")->value(), 85);
    const store::MapDataRow after = row("EDDF", 0);
    EXPECT_EQ(std::tuple(after.SX, after.SY, after.SW, after.SH), std::tuple(before.SX, before.SY, before.SW, before.SH));
}

TEST_F(MapPage, ADragWritesOnceAPlainMoveNothingAndAFailedWriteIsRetriedSilently) {
    link("EDDF", 0, "plan.jpg", 800, 600, true);
    open();
    showMapPage();
    wheel(10);  // magnified, so that there is room to pan
    panel().flushView();
    const int written = writes();
    drag(50);
    EXPECT_EQ(writes() - written, 1);
    QTest::qWait(50);
    QSignalSpy drawn(qobject_cast<browser::MapCanvas *>(picMap()), &browser::MapCanvas::drawn);
    for (int i = 0; i < 10; ++i) QTest::mouseMove(picMap(), {100 + i, 100});
    QTest::qWait(50);
    EXPECT_EQ(drawn.count(), 0);
    EXPECT_EQ(writes() - written, 1);

    const double before = row("EDDF", 0).SX;
    ASSERT_TRUE(t.db.exec("CREATE TEMP TRIGGER locked BEFORE UPDATE ON MAPDATA BEGIN SELECT RAISE(ABORT, 'x'); END").ok());
    drag(30);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(row("EDDF", 0).SX, before);
    ASSERT_TRUE(t.db.exec("DROP TRIGGER locked").ok());
    window->Form_QueryUnload();  // the close writes what is pending
    EXPECT_GT(row("EDDF", 0).SX, before);
}

TEST_F(MapPage, ZoomStepsAreStoredWhenTheUserPausesInTheSlotClicked) {
    link("EDDF", 0, "plan.jpg", 800, 600, true);
    link("EDDF", 4, "vorfeld.jpg", 600, 600);
    open();
    showMapPage();
    QTest::mouseClick(button(4), Qt::LeftButton);
    settle();
    const int written = writes();
    for (int i = 0; i < 5; ++i) wheel(1);
    EXPECT_EQ(writes() - written, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return writes() - written == 1; }, 2000));
    EXPECT_EQ(std::tuple(row("EDDF", 4).SlideMap, row("EDDF", 4).Active), std::tuple(75, true));
    EXPECT_EQ(std::tuple(row("EDDF", 0).SlideMap, row("EDDF", 0).Active), std::tuple(100, false));
}

TEST_F(MapPage, AMapThatCannotBeShownSaysWhy) {
    const QString jpeg = link("EDDF", 0, "kaputt.jpg"), pdf = link("EDDF", 1, "kaputt.pdf");
    const QString missing = link("EDDF", 2, "fehlt.jpg");
    test::writeFile(jpeg, QByteArray::fromHex("FFD8FFE00001") + QByteArray(64, 'x'));
    test::writeFile(pdf, "%PDF-1.4\nkein PDF");
    const QString cannot = QStringLiteral("Die Karte kann nicht angezeigt werden: ");
    const struct {
        QString boxTitle, boxText, pageText;  // no title: no box
    } cases[] = {
        {"Volmira APT", "Fehler im Bild", cannot + jpeg},
        {"PDF Anzeigefehler", "Die PDF-Datei " + pdf + " kann nicht angezeigt werden (", ""},
        {"", "", cannot + missing},
    };
    open();
    showMapPage();
    for (int slot = 0; slot < 3; ++slot) {
        SCOPED_TRACE(slot);
        dialogs.shown.clear();
        QTest::mouseClick(button(slot), Qt::LeftButton);
        settle();
        ASSERT_EQ(dialogs.shown.size(), cases[slot].boxTitle.isEmpty() ? 0u : 1u);
        if (!dialogs.shown.empty()) {
            EXPECT_EQ(dialogs.shown[0].title, cases[slot].boxTitle);
            EXPECT_TRUE(dialogs.shown[0].text.startsWith(cases[slot].boxText)) << dialogs.shown[0].text.toStdString();
        }
        EXPECT_EQ(message(), cases[slot].pageText);
        EXPECT_FALSE(control("SlideMap")->isVisible());
    }
}

TEST_F(MapPage, APdfClearsThePictureAndAFailedLookupEmptiesThePage) {
    link("EDDF", 0, "plan.jpg", 800, 600, true);
    test::writePdf(link("EDDF", 1, "anflug.pdf"));
    open();
    showMapPage();
    wheel(2);  // pending when the PDF is clicked: it goes into the picture's row, none into the PDF's
    QTest::mouseClick(button(1), Qt::LeftButton);
    settle();
    EXPECT_TRUE(control("acroMap")->isVisible() && !picMap()->isVisible());
    window->Form_QueryUnload();
    EXPECT_EQ(std::tuple(row("EDDF", 0).SlideMap, row("EDDF", 1).SW, row("EDDF", 1).SlideMap), std::tuple(90, 0.0, 0));

    enterCode("EDQQ");
    EXPECT_EQ(button(0)->text() + button(1)->text(), "");
    EXPECT_FALSE(control("acroMap")->isVisible() || control("picMapButton(0)")->isVisible());
}

TEST_F(MapPage, ABigPictureLoadsWithoutBlockingAndAnAirportSwitchDropsIt) {
    link("EDDF", 0, "gross.jpg", 4000, 4000, true);
    link("EDDM", 0, "klein.jpg", 200, 100, true);
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

    enterCode("EDDF");  // again, and away before it has arrived
    EXPECT_TRUE(panel().loading());
    enterCode("EDDM");
    settle();
    QTest::qWait(100);
    EXPECT_EQ(row("EDDM", 0).SW, 200);  // not the dropped picture's view
}

TEST_F(MapPage, TheLinkingDialogShowsASaveAtOnceDeletesOneSlotAndStartsInTheFolderOfTheAirportShown) {
    link("EDDF", 0, "Karten/plan.jpg", 800, 600, true);
    link("EDDF", 1, "Karten/vorfeld.jpg", 400, 300);
    test::writeJpeg(QDir(t.folder()).filePath("Karten/neu.jpg"), 300, 200);
    open();
    showMapPage();
    const auto inDataFolder = [this](QDialog &d) {
        EXPECT_EQ(static_cast<browser::frmKarte &>(d).lblLoc->text(), t.folder());
        d.reject();
    };
    test::ModalSteps steps({[](QDialog &d) {
                                auto &k = static_cast<browser::frmKarte &>(d);
                                k.File1->findItems("neu.jpg", Qt::MatchExactly).at(0)->setSelected(true);
                                k.cmdSave->click();
                            },
                            [](QDialog &d) { static_cast<browser::frmKarte &>(d).Command2->click(); }, inDataFolder,
                            inDataFolder});
    QSignalSpy settled(&panel(), &browser::MapPanel::mapSettled);
    QTest::mouseClick(button(4), Qt::LeftButton);
    settle();
    EXPECT_EQ(std::tuple(settled.count(), button(0)->text() + button(1)->text() + button(4)->text()),
              std::tuple(1, QString("planvorfeldneu.jpg")));
    EXPECT_TRUE(control("picMapButton(4)")->isVisible() && row("EDDF", 4).Active);
    QTest::mouseClick(button(1), Qt::RightButton);  // deletes the slot not shown
    EXPECT_EQ(button(0)->text() + button(1)->text() + control<QLabel>("lblMapButton(1)")->text() + button(4)->text(),
              "planneu.jpg");
    EXPECT_TRUE(control("SlideMap")->isVisible() && control("picMapButton(4)")->isVisible());
    // A click at EDDF remembers its folder; at EDDM without maps neither button opens the dialog there.
    for (const Qt::MouseButton opening : {Qt::RightButton, Qt::LeftButton}) {
        QTest::mouseClick(button(0), Qt::LeftButton);
        settle();
        enterCode("EDDM");
        QTest::mouseClick(button(3), opening);
        enterCode("EDDF");
        settle();
    }
}

TEST_F(MapPage, DraggingTheZoomHandleToAnEndReachesIt) {
    link("EDDF", 0, "plan.jpg", 800, 600, true);
    open();
    showMapPage();
    auto *slider = control<QSlider>("SlideMap");
    const int half = slider->style()->pixelMetric(QStyle::PM_SliderLength, nullptr, slider) / 2;
    for (const auto &[end, value] : {std::pair(slider->width() - half, 100), {half, -100}}) {
        slider->setValue(0);  // the handle in the middle, dragged from there
        QTest::mousePress(slider, Qt::LeftButton, {}, slider->rect().center());
        QMouseEvent move(QEvent::MouseMove, QPointF(end, 5), slider->mapToGlobal(QPointF(end, 5)), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(slider, &move);
        QTest::mouseRelease(slider, Qt::LeftButton, {}, {end, 5});
        QApplication::processEvents();
        panel().flushView();
        EXPECT_EQ(std::pair(slider->value(), row("EDDF", 0).SlideMap), std::pair(value, value));
    }
}

TEST_F(MapPage, AMapIsShownWhileTheDatabaseCannotBeWrittenAndThatIsToldOnce) {
    link("EDDF", 0, "plan.jpg", 800, 600, true);
    link("EDDF", 1, "vorfeld.jpg", 400, 300);
    open();
    showMapPage();
    ASSERT_TRUE(t.db.exec("CREATE TEMP TRIGGER locked BEFORE UPDATE ON MAPDATA BEGIN SELECT RAISE(ABORT, 'x'); END").ok());
    QSignalSpy settled(&panel(), &browser::MapPanel::mapSettled);
    for (const int slot : {1, 0, 1}) {
        QTest::mouseClick(button(slot), Qt::LeftButton);
        settle();
        ASSERT_FALSE(settled.isEmpty()) << slot;
        EXPECT_TRUE(settled.takeFirst().at(0).toBool() && control("SlideMap")->isVisible());
    }
    EXPECT_TRUE(control("picMapButton(1)")->isVisible() && row("EDDF", 0).Active);
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(MapPage, ALinkedFifoIsRefusedWithoutHoldingThePage) {
    const test::Fifo pdf(QDir(t.folder()).filePath("karte.pdf")), picture(QDir(t.folder()).filePath("karte.jpg"));
    const QString path = link("EDDF", 0, "karte.pdf"), cannot = " kann nicht angezeigt werden";
    link("EDDF", 1, "karte.jpg");
    open();
    showMapPage();
    for (const int slot : {0, 1}) {
        QTest::mouseClick(button(slot), Qt::LeftButton);
        settle();
    }
    EXPECT_EQ(dialogs.shown.at(0).text, "Die PDF-Datei " + path + cannot + ": Der Name bezeichnet keine gewöhnliche Datei.");
    EXPECT_EQ(message(), "Die Karte" + cannot + ": " + QDir(t.folder()).filePath("karte.jpg"));
    EXPECT_FALSE(pdf.blocked || picture.blocked);
}

TEST_F(MapPage, APdfReopensOnItsPageZoomAndPlaceAfterAnotherAirportWrittenOnceTheUserPauses) {
    test::writePdf(link("EDDF", 1, "anflug.pdf"), 5);
    link("EDDM", 0, "muc.jpg", 300, 300, true);
    ASSERT_TRUE(t.store->maps.activate("EDDF", 1).ok());
    open();
    showMapPage();
    auto *pdf = control<browser::MapPdfView>("acroMap");
    ASSERT_TRUE(pdf->isVisible());
    pdf->setFocus();
    // The page keys scroll down the page, then turn it at its bottom edge.
    for (int i = 0; i < 30 && pdf->currentPage() < 2; ++i) QTest::keyClick(pdf, Qt::Key_PageDown);
    EXPECT_EQ(pdf->currentPage(), 2);
    const int written = writes();
    QTest::keyClick(pdf, Qt::Key_Plus);
    QTest::keyClick(pdf, Qt::Key_Plus);
    QTest::keyClick(pdf, Qt::Key_Down);
    const browser::PdfPlace left = pdf->place();
    EXPECT_GT(left.zoom, 0);
    EXPECT_GT(left.y, 0);
    EXPECT_EQ(writes(), written);
    EXPECT_TRUE(QTest::qWaitFor([&] { return writes() == written + 1; }, 2000));
    EXPECT_EQ(std::tuple(row("EDDF", 1).PdfPage, row("EDDF", 1).PdfZoom), std::tuple(2, left.zoom));
    enterCode("EDDM");
    settle();
    enterCode("EDDF");
    settle();
    EXPECT_EQ(pdf->place(), left);
}

TEST_F(MapPage, AQuarterTurnIsKeptPerMapAndTheNightViewForTheProgram) {
    link("EDDF", 0, "plan.jpg", 800, 600, true);
    link("EDDM", 0, "muc.jpg", 300, 300, true);
    open();
    showMapPage();
    auto *canvas = qobject_cast<browser::MapCanvas *>(picMap());
    const QRgb day = canvas->picture().pixel(10, 10);
    // The slider keeps its arrow keys while the map page's moves are keys of the page.
    control("SlideMap")->setFocus();
    QTest::keyClick(control("SlideMap"), Qt::Key_Left);
    EXPECT_EQ(control<QSlider>("SlideMap")->value(), 99);
    canvas->setFocus();
    QTest::keyClick(canvas, Qt::Key_R);
    QTest::keyClick(canvas, Qt::Key_N);
    EXPECT_TRUE(QTest::qWaitFor([&] { return canvas->picture().pixel(10, 10) == browser::nightColour(day); }, 5000));
    panel().flushView();
    const QRectF turned = panel().pictureView().source();
    EXPECT_EQ(std::tuple(row("EDDF", 0).Rotation, row("EDDF", 0).SW, row("EDDF", 0).SH),
              std::tuple(1, turned.width(), turned.height()));
    enterCode("EDDM");
    settle();
    EXPECT_EQ(panel().pictureView().rotation(), 0);
    enterCode("EDDF");
    settle();
    EXPECT_EQ(std::pair(panel().pictureView().rotation(), panel().pictureView().source()), std::pair(1, turned));
    EXPECT_EQ(canvas->picture().pixel(10, 10), browser::nightColour(day));
    // The next run starts in the night view.
    browser::MapPanel next(*t.store, dialogs, t.folder());
    EXPECT_TRUE(next.nightView());
}
