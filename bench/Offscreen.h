#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace volmira::bench {

// Runs the benchmarks of windows offscreen; the windows made on first use end
// before the application object does.
template <typename Windows>
int runOffscreen(int argc, char **argv, std::unique_ptr<Windows> &windows) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    windows.reset();
    return 0;
}

}  // namespace volmira::bench
