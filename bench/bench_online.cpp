// The start-up's version check against local HTTP servers (tests/support/
// http_server.py): a whole check answered, a closed port, and the splash's
// load step while the site stays silent.
#include "app/StartupCheck.h"
#include "app/ui/frmSplash.h"
#include "bench/ShippedCopy.h"
#include "platform/Dialogs.h"
#include "platform/Transfer.h"
#include "platform/VersionSource.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <benchmark/benchmark.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>

using namespace volmira;

namespace {

// http_server.py on a temporary folder holding both version files.
struct Site {
    QTemporaryDir root;
    QProcess process;
    QString host;

    explicit Site(const QStringList &options) {
        QDir().mkpath(root.filePath("APT/download"));
        QFile program(root.filePath("APT/download/version-prog.txt")), data(root.filePath("APT/download/version-data.txt"));
        if (!program.open(QIODevice::WriteOnly) || !data.open(QIODevice::WriteOnly)) std::abort();
        program.write("1.0.4");
        data.write("21.04.2030");
        process.start("/usr/bin/python3", QStringList{VOLMIRA_SOURCE_DIR "/tests/support/http_server.py", "--root",
                                                      root.path()} + options);
        QByteArray line;
        while (!line.contains('\n') && process.waitForReadyRead(10000)) line += process.readAllStandardOutput();
        if (line.trimmed().toInt() <= 0) std::abort();
        host = "127.0.0.1:" + QString::fromLatin1(line.trimmed());
    }
    ~Site() {
        process.kill();
        process.waitForFinished();
    }
};

struct Fixture : bench::ShippedCopy {
    platform::FakeDialogs dialogs;
    std::unique_ptr<platform::Transfer> transfer = platform::makeCurlTransfer();
    Site answering{{}};
    Site silent{{"--hang"}};
};

std::unique_ptr<Fixture> theFixture;

Fixture &fixture() {
    if (!theFixture) theFixture = std::make_unique<Fixture>();
    return *theFixture;
}

void check(benchmark::State &state, const QString &host, bool answers) {
    qputenv("VOLMIRA_APT_DOWNLOAD_HOST", host.toUtf8());
    platform::DownloadVersionSource site(*fixture().transfer);
    const std::atomic<bool> go{false};
    for (auto _ : state) {
        const auto answer = site.fetch(go);
        if (answer.ok() != answers) std::abort();
    }
}

void CheckLoopback(benchmark::State &state) { check(state, fixture().answering.host, true); }
BENCHMARK(CheckLoopback)->Unit(benchmark::kMillisecond);

// A loopback port the system gave and that was closed again.
int closedPort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(s, reinterpret_cast<sockaddr *>(&address), sizeof address);
    ::getsockname(s, reinterpret_cast<sockaddr *>(&address), &length);
    ::close(s);
    return ntohs(address.sin_port);
}

void CheckClosedPort(benchmark::State &state) { check(state, QStringLiteral("127.0.0.1:%1").arg(closedPort()), false); }
BENCHMARK(CheckClosedPort)->Unit(benchmark::kMillisecond);

// From the splash's construction to the end of its load step, the site
// asked but silent; ending the check afterwards is not timed.
void SplashLoadSilentSite(benchmark::State &state) {
    Fixture &f = fixture();
    qputenv("VOLMIRA_APT_DOWNLOAD_HOST", f.silent.host.toUtf8());
    platform::DownloadVersionSource site(*f.transfer);
    for (auto _ : state) {
        auto check = std::make_unique<app::StartupCheck>(site);
        auto splash = std::make_unique<app::frmSplash>(*f.airports, f.dialogs, *check, f.dir.path());
        state.PauseTiming();
        splash.reset();
        check.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(SplashLoadSilentSite)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theFixture.reset();
    return 0;
}
