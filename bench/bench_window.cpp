// The airport window driven through its real widgets on the offscreen
// platform: a lookup by Enter in tAirport, and one keystroke in the quick find.
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

}  // namespace

int main(int argc, char **argv) { return volmira::bench::runOffscreen(argc, argv, theWindow); }
