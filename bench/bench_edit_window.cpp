// The runway dialog of the airport window driven through its real widgets on
// the offscreen platform: Enter in frmChangeRwy until the runway list and the
// main window's title show the new runway.
#include "browser/ui/frmAirport.h"
#include "editing/EditOperations.h"
#include "bench/Offscreen.h"
#include "bench/ShippedCopy.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "store/AirportStore.h"
#include "store/Database.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
        window->tAirport->setText("EDDF");
        window->GetInformation();
        window->ToggleEditMode();
    }
};

// Made on first use; main destroys it before the application object.
std::unique_ptr<Window> theWindow;

void EnterInRunwayDialog(benchmark::State &state) {
    if (!theWindow) theWindow = std::make_unique<Window>();
    browser::frmAirport &w = *theWindow->window;
    auto *add = w.findChild<QPushButton *>("cmdAddRwy");
    auto *runways = w.findChild<QTableView *>("gridRwyData");
    QSignalSpy titles(&w, &browser::frmAirport::titleChanged);
    for (auto _ : state) {
        state.PauseTiming();
        // Typed while the dialog waits; timed from the Enter on.
        QTimer::singleShot(0, [&state] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog) std::abort();
            const char *texts[] = {"09l", "94", "-0.3 / 1.0", "1200", "30"};
            for (int i = 0; i < 5; ++i)
                dialog->findChild<QLineEdit *>(QStringLiteral("tRwy(%1)").arg(i))->setText(texts[i]);
            state.ResumeTiming();
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        });
        add->click();
        state.PauseTiming();
        const QModelIndex shown = runways->currentIndex();
        if (shown.data().toString() != "09L / 27R" || titles.isEmpty()) std::abort();
        // Each round adds the same runway to the same list.
        const store::RwyRow added = theWindow->airports->reads.runways("EDDF").value()[shown.row()];
        if (!editing::deleteRunway(*theWindow->airports, "EDDF", added.id, store::stampOf(added))) std::abort();
        titles.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(EnterInRunwayDialog)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) { return volmira::bench::runOffscreen(argc, argv, theWindow); }
