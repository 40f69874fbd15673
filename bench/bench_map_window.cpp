// The map page of the airport window, driven through its real widgets on the
// offscreen platform, on a copy of the shipped database with ten links on each
// of 5,000 airports: a lookup by Enter on the map page (buttons; a 2,000 x 1,500
// JPEG drawn), a 10,000 x 10,000 JPEG shown with the UI thread's longest pause,
// a zoom step, a pan move, a quarter turn and the night switch on it, each
// painted, and a page change of a 20-page PDF chart until the page is drawn.
#include "bench/Offscreen.h"
#include "bench/SampleCharts.h"
#include "bench/ShippedCopy.h"
#include "browser/ui/MapCanvas.h"
#include "browser/ui/MapPanel.h"
#include "browser/ui/MapPdfView.h"
#include "browser/ui/frmAirport.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPdfPageRenderer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <sqlcipher/sqlite3.h>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <vector>

using namespace volmira;

namespace {

constexpr int kAirports = 5000;

struct MapWindow : bench::ShippedCopy {
    platform::FakeDialogs dialogs;
    std::vector<QString> codes;
    QString bigAirport;
    std::unique_ptr<browser::frmAirport> window;

    MapWindow() {
        const QString charts = dir.filePath("Karten");
        QDir().mkpath(charts);
        if (!bench::writeChartJpeg(charts + "/plan.jpg", 2000, 1500) ||
            !bench::writeChartJpeg(charts + "/gross.jpg", 10'000, 10'000) ||
            !bench::writeChartPdf(charts + "/seiten.pdf", 19))
            std::abort();
        readCodes();
        // Set up without waiting for the disk; measured with the program's settings.
        if (!db.exec("PRAGMA synchronous = OFF").ok()) std::abort();
        for (const QString &code : codes)
            for (int slot = 0; slot < 10; ++slot)
                if (!airports->maps.saveLink(code, slot, charts, "plan.jpg", QStringLiteral("Karte %1").arg(slot)))
                    std::abort();
        for (const QString &code : codes)
            if (!airports->maps.activate(code, 9)) std::abort();
        bigAirport = codes.back();
        if (!airports->maps.saveLink(bigAirport, 0, charts, "gross.jpg", "Groß") ||
            !airports->maps.saveLink(bigAirport, 1, charts, "seiten.pdf", "Seiten"))
            std::abort();
        if (!db.exec("PRAGMA synchronous = FULL").ok()) std::abort();

        window = std::make_unique<browser::frmAirport>(*airports, dialogs, dir.path());
        window->resize(1100, 650);
        window->show();
        window->load();
        window->ToggleMapView();
        settle();
    }

    void readCodes() {
        sqlite3_stmt *s = nullptr;
        sqlite3_prepare_v2(db.handle(), "SELECT ICAO FROM ARPT ORDER BY ICAO LIMIT ?1", -1, &s, nullptr);
        sqlite3_bind_int(s, 1, kAirports);
        while (sqlite3_step(s) == SQLITE_ROW)
            codes.push_back(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 0))));
        sqlite3_finalize(s);
        if (codes.size() != kAirports) std::abort();
    }

    browser::MapPanel &panel() const { return window->mapPanel(); }
    QWidget *picMap() const { return window->findChild<QWidget *>("picMap"); }

    QPushButton *button(const char *name) const { return panel().findChild<QPushButton *>(name); }

    // Until the map asked for is drawn; false when it failed.
    bool settle() {
        if (!QTest::qWaitFor([this] { return !panel().loading(); }, 20'000)) return false;
        QApplication::processEvents();
        return true;
    }

    void enter(const QString &code) {
        window->tAirport->setText(code);
        QTest::keyClick(window->tAirport, Qt::Key_Return);
    }

    // The big picture's slot or the PDF's of the airport holding them, shown.
    void showBig(const char *slot) {
        if (window->tAirport->text() != bigAirport) {
            enter(bigAirport);
            settle();
        }
        button(slot)->click();
        if (!settle()) std::abort();
    }
};

std::unique_ptr<MapWindow> theWindow;

MapWindow &mapWindow() {
    if (!theWindow) theWindow = std::make_unique<MapWindow>();
    return *theWindow;
}

// Enter until the ten buttons are filled and the active map's load has begun.
void EnterButtons(benchmark::State &state) {
    MapWindow &w = mapWindow();
    std::size_t i = 0;
    for (auto _ : state) {
        w.enter(w.codes[i++ % 1000]);
        state.PauseTiming();
        w.settle();
        state.ResumeTiming();
    }
}
BENCHMARK(EnterButtons)->Unit(benchmark::kMillisecond);

// Enter until the active 2,000 x 1,500 JPEG is painted.
void EnterDrawn(benchmark::State &state) {
    MapWindow &w = mapWindow();
    std::size_t i = 0;
    for (auto _ : state) {
        w.enter(w.codes[i++ % 1000]);
        if (!w.settle()) std::abort();
        w.picMap()->repaint();
    }
}
BENCHMARK(EnterDrawn)->Unit(benchmark::kMillisecond);

// The longest gap between the ticks of a 10 ms timer while `work` runs.
template <typename Work>
double longestGap(Work work) {
    QElapsedTimer clock;
    qint64 last = 0;
    double longest = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longest = std::max(longest, double(clock.elapsed() - last));
        last = clock.elapsed();
    });
    clock.start();
    ticks.start(10);
    work();
    return std::max(longest, double(clock.elapsed() - last));
}

// A click on the 10,000 x 10,000 JPEG until it is painted; the counter is the
// longest gap between the ticks of a 10 ms timer meanwhile.
void BigPictureShown(benchmark::State &state) {
    MapWindow &w = mapWindow();
    w.enter(w.bigAirport);
    w.settle();
    auto *button = w.panel().findChild<QPushButton *>("cmdMap(0)");
    double longest = 0;
    for (auto _ : state)
        longest = std::max(longest, longestGap([&] {
                               button->click();
                               if (!w.settle()) std::abort();
                               w.picMap()->repaint();
                           }));
    state.counters["longest_gap_ms"] = longest;
}
BENCHMARK(BigPictureShown)->Unit(benchmark::kMillisecond)->Iterations(3);

// One wheel notch over the big picture, painted; in and out by turns.
void ZoomStep(benchmark::State &state) {
    MapWindow &w = mapWindow();
    QWidget *canvas = w.picMap();
    int notch = 1;
    for (auto _ : state) {
        QWheelEvent turn(QPointF(100, 100), canvas->mapToGlobal(QPointF(100, 100)), {}, {0, 120 * notch},
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas, &turn);
        canvas->repaint();
        if (w.panel().findChild<QWidget *>("SlideMap")->property("value").toInt() <= 50) notch = -1;
        if (w.panel().findChild<QWidget *>("SlideMap")->property("value").toInt() >= 100) notch = 1;
    }
}
BENCHMARK(ZoomStep)->Unit(benchmark::kMillisecond);

// One mouse move of a drag over the big picture, painted; left and right by turns.
void PanMove(benchmark::State &state) {
    MapWindow &w = mapWindow();
    QWidget *canvas = w.picMap();
    QTest::mousePress(canvas, Qt::LeftButton, {}, {400, 200});
    int x = 400, step = -3;
    for (auto _ : state) {
        x += step;
        if (x < 100 || x > 700) step = -step;
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 200), canvas->mapToGlobal(QPointF(x, 200)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &move);
        canvas->repaint();
    }
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, {x, 200});
}
BENCHMARK(PanMove)->Unit(benchmark::kMillisecond);

// A quarter turn of the big picture ("Drehen"), painted.
void QuarterTurn(benchmark::State &state) {
    MapWindow &w = mapWindow();
    w.showBig("cmdMap(0)");
    for (auto _ : state) {
        w.button("cmdTurn")->click();
        w.picMap()->repaint();
    }
}
BENCHMARK(QuarterTurn)->Unit(benchmark::kMillisecond);

// The night view switched on or off ("Nacht") until the big picture is painted
// in its new colours; the counter is the UI thread's longest pause meanwhile.
void NightSwitch(benchmark::State &state) {
    MapWindow &w = mapWindow();
    w.showBig("cmdMap(0)");
    auto *canvas = static_cast<browser::MapCanvas *>(w.picMap());
    double longest = 0;
    for (auto _ : state) {
        const qint64 before = canvas->picture().cacheKey();
        longest = std::max(longest, longestGap([&] {
            w.button("cmdNight")->click();
            while (canvas->picture().cacheKey() == before) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
            canvas->repaint();
        }));
    }
    state.counters["longest_gap_ms"] = longest;
    if (w.panel().nightView()) w.button("cmdNight")->click();
}
BENCHMARK(NightSwitch)->Unit(benchmark::kMillisecond)->Iterations(6);

// The next page of the 20-page PDF until it is drawn: each page once, as the
// view keeps the pages it has rendered.
void PdfPageChange(benchmark::State &state) {
    MapWindow &w = mapWindow();
    w.showBig("cmdMap(1)");
    auto *pdf = w.panel().findChild<browser::MapPdfView *>("acroMap");
    auto *renderer = pdf->findChild<QPdfPageRenderer *>();
    if (!renderer || pdf->pageCount() != 20) std::abort();
    int page = 0;
    double longest = 0;
    for (auto _ : state) {
        ++page;
        bool rendered = false;
        const QMetaObject::Connection told = QObject::connect(
            renderer, &QPdfPageRenderer::pageRendered, [&](int number) { rendered = rendered || number == page; });
        longest = std::max(longest, longestGap([&] {
            pdf->showPage(page);
            pdf->viewport()->repaint();
            while (!rendered) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
            pdf->viewport()->repaint();
        }));
        QObject::disconnect(told);
    }
    state.counters["longest_gap_ms"] = longest;
}
BENCHMARK(PdfPageChange)->Unit(benchmark::kMillisecond)->Iterations(19);

}  // namespace

int main(int argc, char **argv) { return volmira::bench::runOffscreen(argc, argv, theWindow); }
