// The About window over the history five whole-database updates leave
// (UpdateInfo.crm with 96,155 rows, five days): opening it until its first
// day's airports are painted, and choosing another day; beside them reading
// the history alone.
#include "app/ui/frmAbout.h"
#include "bench/Offscreen.h"
#include "bench/ShippedCopy.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "store/exchange/UpdateHistory.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

using namespace volmira;

namespace {

struct History : bench::ShippedCopy {
    platform::FakeDialogs dialogs;
    platform::FakeShell shell;
    QString historyPath = QDir(dir.path()).filePath(store::exchange::kUpdateHistoryFile);

    // Every airport once per update, stamped with that update's data date, as the import writes it.
    History() {
        const auto airports = this->airports->lists.airportList(QStringLiteral(""), {store::SurfaceFilter::Off}).value();
        std::vector<store::exchange::HistoryEntry> rows;
        for (const QDate day : {QDate(2010, 4, 21), QDate(2010, 12, 5), QDate(2011, 6, 1), QDate(2012, 3, 14),
                                QDate(2013, 9, 30)})
            for (const store::ArptRow &a : airports)
                rows.push_back({a.ICAO, a.Name, store::recordfile::DateTime{day, QTime(0, 0)}});
        if (rows.size() != 96155 || !store::exchange::writeUpdateHistory(historyPath, rows).ok()) std::abort();
    }
};

std::unique_ptr<History> theHistory;

History &history() {
    if (!theHistory) theHistory = std::make_unique<History>();
    return *theHistory;
}

void ReadHistory(benchmark::State &state) {
    History &h = history();
    for (auto _ : state) {
        const auto read = store::exchange::readUpdateHistory(h.historyPath);
        if (!read || read->size() != 96155) std::abort();
    }
}
BENCHMARK(ReadHistory)->Unit(benchmark::kMillisecond);

void OpenAboutWindow(benchmark::State &state) {
    History &h = history();
    for (auto _ : state) {
        auto about = std::make_unique<app::frmAbout>(*h.airports, h.dialogs, h.shell, h.dir.path(), nullptr);
        about->show();
        QApplication::processEvents();  // painted
        if (about->cmbDate->count() != 5 || about->gridUpdate->model()->rowCount() != 19231) std::abort();
        state.PauseTiming();  // closing is not opening
        about.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenAboutWindow)->Unit(benchmark::kMillisecond);

void ChooseAnotherDay(benchmark::State &state) {
    History &h = history();
    app::frmAbout about(*h.airports, h.dialogs, h.shell, h.dir.path(), nullptr);
    about.show();
    QApplication::processEvents();
    int day = 0;
    for (auto _ : state) {
        day = (day + 1) % about.cmbDate->count();
        about.cmbDate->setCurrentIndex(day);
        QApplication::processEvents();  // painted
    }
}
BENCHMARK(ChooseAnotherDay)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) { return volmira::bench::runOffscreen(argc, argv, theHistory); }
