// The database manager driven through its real widgets on the offscreen
// platform, on the full shipped database: its first activation until every
// list is filled, a click on a filter box, a change of the country row.
#include "browser/ui/frmAirport.h"
#include "manager/ui/frmDatabase.h"
#include "bench/Offscreen.h"
#include "bench/ShippedCopy.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/Transfer.h"
#include "store/AirportStore.h"
#include "store/Database.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

using namespace volmira;

namespace {

struct Fixture : bench::ShippedCopy {
    platform::FakeDialogs dialogs;
    platform::ScriptedTransfer transfer;
    platform::FakeShell shell;
    std::unique_ptr<browser::frmAirport> browser;

    Fixture() {
        browser = std::make_unique<browser::frmAirport>(*airports, dialogs, dir.path());
        browser->load();
    }

    std::unique_ptr<manager::frmDatabase> manager() {
        auto window = std::make_unique<manager::frmDatabase>(
            *airports, dialogs, manager::SendServices{transfer, shell, clock, manager::configuredSendSettings()},
            dir.path(), *browser);
        window->resize(1100, 650);
        window->show();
        return window;
    }
};

// Made on first use; main destroys it before the application object.
std::unique_ptr<Fixture> theFixture;

Fixture &fixture() {
    if (!theFixture) theFixture = std::make_unique<Fixture>();
    return *theFixture;
}

// A manager shown on the country of the largest prefix (SS, 506 airports, 406 of them
// with a runway length, as the default filter asks).
std::unique_ptr<manager::frmDatabase> onSS() {
    auto window = fixture().manager();
    window->activate();
    QAbstractItemModel *countries = window->gridLand->model();
    const QModelIndexList ss = countries->match(countries->index(0, 1), Qt::DisplayRole, "SS", 1, Qt::MatchExactly);
    if (ss.isEmpty()) std::abort();
    window->gridLand->setCurrentIndex(ss.first().siblingAtColumn(0));
    return window;
}

void FirstActivation(benchmark::State &state) {
    fixture().browser->showAirportByIcao("EDDF");
    for (auto _ : state) {
        state.PauseTiming();
        auto window = fixture().manager();
        state.ResumeTiming();
        window->activate();
        QApplication::processEvents();  // laid out and painted
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(FirstActivation)->Unit(benchmark::kMillisecond);

void FilterClick(benchmark::State &state) {
    auto window = onSS();
    for (auto _ : state) {
        window->chkSurf[1]->click();
        QApplication::processEvents();
    }
}
BENCHMARK(FilterClick)->Unit(benchmark::kMillisecond);

void CountryRowChange(benchmark::State &state) {
    auto window = onSS();
    QTableView *grid = window->gridLand;
    const int row = grid->currentIndex().row();
    int i = 0;
    for (auto _ : state) {
        grid->setCurrentIndex(grid->model()->index(row + (i++ % 2), 0));
        QApplication::processEvents();
    }
}
BENCHMARK(CountryRowChange)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) { return volmira::bench::runOffscreen(argc, argv, theFixture); }
