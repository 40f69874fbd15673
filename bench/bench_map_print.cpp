// Printing a chart: the project's chart as a 10,000 x 10,000 JPEG (its visible
// part as a view of a quarter of the kept picture, and the whole picture) and
// the PDF chart's page, each prepared at the print resolution and written as
// an A5 PDF document in memory.
#include "bench/SampleCharts.h"
#include "browser/print/MapPrint.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <optional>

using namespace volmira;

namespace {

struct Charts {
    QTemporaryDir dir;
    QString jpeg = dir.filePath("gross.jpg"), pdf = dir.filePath("gross.pdf");
    Charts() {
        if (!bench::writeChartJpeg(jpeg, 10000, 10000) || !bench::writeChartPdf(pdf)) std::abort();
    }
};

Charts &charts() {
    static Charts made;
    return made;
}

void printA5(benchmark::State &state, browser::ChartPrintJob job) {
    job.paper = browser::Paper::A5;
    for (auto _ : state) {
        const platform::Result<browser::PreparedChart> chart = browser::prepareChart(job);
        if (!chart) std::abort();
        const platform::Result<QByteArray> bytes = browser::chartPdf(*chart);
        if (!bytes) std::abort();
        benchmark::DoNotOptimize(bytes->size());
    }
}

void VisiblePartOfBigJpegToA5(benchmark::State &state) {
    // The kept picture is 5,000 x 5,000: the view shows 2,500 x 1,875 of it.
    printA5(state, {.path = charts().jpeg, .type = browser::MapType::Jpeg, .view = QRectF(1000, 1000, 2500, 1875)});
}
void WholeBigJpegToA5(benchmark::State &state) {
    printA5(state, {.path = charts().jpeg, .type = browser::MapType::Jpeg});
}
void PdfChartPageToA5(benchmark::State &state) {
    printA5(state, {.path = charts().pdf, .type = browser::MapType::Pdf, .rotation = 1});
}

BENCHMARK(VisiblePartOfBigJpegToA5)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(WholeBigJpegToA5)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(PdfChartPageToA5)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

}  // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts for the sample charts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
