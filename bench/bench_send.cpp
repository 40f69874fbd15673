// "Neue Daten schicken" through the real button on the offscreen platform, on
// the full shipped database with 50 airports changed, uploading over the real
// transfer to an FTP server that never answers: the click must not wait for it.
#include "bench/Offscreen.h"
#include "bench/ShippedCopy.h"
#include "browser/ui/frmAirport.h"
#include "manager/ui/frmDatabase.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/Transfer.h"
#include "bench/SilentPort.h"

#include <QApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

using namespace volmira;
using bench::SilentPort;

namespace {

struct Fixture : bench::ShippedCopy {
    platform::FakeDialogs dialogs;
    platform::FakeShell shell;
    SilentPort silent;
    std::unique_ptr<platform::Transfer> transfer = platform::makeCurlTransfer();
    std::unique_ptr<browser::frmAirport> browser;
    std::unique_ptr<manager::frmDatabase> window;

    Fixture() {
        if (silent.port() == 0 ||
            !db.exec("UPDATE Version SET DatabaseVersion = '01.01.2000';"
                     "UPDATE ARPT SET LastDate = '1999-12-31';"
                     "UPDATE ARPT SET LastDate = '2026-12-01' WHERE rowid IN "
                     "(SELECT rowid FROM ARPT WHERE rowid % 19 = 0 LIMIT 50);")
                 .ok())
            std::abort();
        browser = std::make_unique<browser::frmAirport>(*airports, dialogs, dir.path());
        browser->load();
        const manager::SendSettings settings{QStringLiteral("ftp://127.0.0.1:%1").arg(silent.port()),
                                             QStringLiteral("volmira-apt"), QStringLiteral("harrier77"),
                                             QStringLiteral("support@volmira.example")};
        window = std::make_unique<manager::frmDatabase>(*airports, dialogs,
                                                        manager::SendServices{*transfer, shell, clock, settings},
                                                        dir.path(), *browser);
        window->resize(1100, 650);
        window->show();
        window->activate();
    }
    // The window first: it aborts its uploads while the transfer still exists.
    ~Fixture() { window.reset(); }
};

// Made on first use; main destroys it before the application object.
std::unique_ptr<Fixture> theFixture;

Fixture &fixture() {
    if (!theFixture) theFixture = std::make_unique<Fixture>();
    return *theFixture;
}

// From the click until the button's handler returns: export of the 50
// airports, the upload started, the mail link handed over.
void SendClickWithStallingServer(benchmark::State &state) {
    Fixture &f = fixture();
    for (auto _ : state) f.window->cmdSend->click();
    if (!f.window->sending() || !f.dialogs.shown.empty()) state.SkipWithError("the upload did not wait in the background");
    state.counters["airports"] = 50;
}
// Each click leaves an upload waiting for the silent server until the window closes.
BENCHMARK(SendClickWithStallingServer)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char **argv) { return volmira::bench::runOffscreen(argc, argv, theFixture); }
