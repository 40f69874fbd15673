// The airport window driven through its real widgets on the offscreen
// platform: a lookup by Enter in tAirport, and one keystroke in the quick find
// (a name's beginning, and a city).
#include "browser/ui/frmAirport.h"
#include "bench/Offscreen.h"
#include "bench/ShippedCopy.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "store/AirportStore.h"
#include "store/Database.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

using namespace volmira;

namespace {

struct Window : bench::ShippedCopy {
    platform::FakeDialogs dialogs;
    std::unique_ptr<browser::frmAirport> window;

    Window() {
        window = std::make_unique<browser::frmAirport>(*airports, dialogs, dir.path());
        window->resize(1100, 650);
        window->show();
        window->load();
    }
};

// Made on first use; main destroys it before the application object.
std::unique_ptr<Window> theWindow;

Window &window() {
    if (!theWindow) theWindow = std::make_unique<Window>();
    return *theWindow;
}

const char *const kCodes[] = {"EDDF", "EDHN", "KJFK", "YSSY", "LFPG", "EGLL", "EDLE", "LOWW"};

void LookupByEnter(benchmark::State &state) {
    browser::frmAirport &w = *window().window;
    std::size_t i = 0;
    for (auto _ : state) {
        w.tAirport->setText(QString::fromLatin1(kCodes[i++ % std::size(kCodes)]));
        QTest::keyClick(w.tAirport, Qt::Key_Return);
    }
}
BENCHMARK(LookupByEnter)->Unit(benchmark::kMillisecond);

void QuickFindKeystroke(benchmark::State &state) {
    auto *quickfind = window().window->findChild<QLineEdit *>("tQuickfind");
    if (!quickfind) std::abort();
    const char keys[] = {'F', 'r', 'a'};
    std::size_t i = 0;
    for (auto _ : state) {
        if (i % 3 == 0) {
            state.PauseTiming();
            QTest::keyClick(quickfind, Qt::Key_Escape);
            state.ResumeTiming();
        }
        QTest::keyClick(quickfind, keys[i++ % 3]);
    }
}
BENCHMARK(QuickFindKeystroke)->Unit(benchmark::kMillisecond);

// "Köln" key by key: no name begins with it, its city and other name find it.
void QuickFindCityKeystroke(benchmark::State &state) {
    auto *quickfind = window().window->findChild<QLineEdit *>("tQuickfind");
    if (!quickfind) std::abort();
    const QString typed = QStringLiteral("K\u00F6ln");
    std::size_t i = 0;
    for (auto _ : state) {
        if (i % 4 == 0) {
            state.PauseTiming();
            QTest::keyClick(quickfind, Qt::Key_Escape);
            state.ResumeTiming();
        }
        const QChar c = typed[qsizetype(i++ % 4)];
        QTest::sendKeyEvent(QTest::Click, quickfind, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}
BENCHMARK(QuickFindCityKeystroke)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) { return volmira::bench::runOffscreen(argc, argv, theWindow); }
