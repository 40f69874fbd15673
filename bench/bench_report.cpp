// The printed airport list of the largest prefix on the full shipped database:
// the layout of SS's 506 airports (no runway condition) on pages, and painting
// all its pages into a PDF in memory; a 1 MB contact note laid out and painted.
// The rows are made from the shipped data as the list makes them.
#include "bench/ShippedCopy.h"
#include "manager/ReportRows.h"
#include "manager/report/ReportPainter.h"

#include <QBuffer>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace volmira;
using manager::ContactText;
using manager::ReportAirport;

namespace {

const std::vector<ReportAirport> &airportsSS() {
    static const std::vector<ReportAirport> airports = [] {
        bench::ShippedCopy copy;
        auto list = copy.airports->lists.airportList(QStringLiteral("SS"), {store::SurfaceFilter::Off});
        if (!list) std::abort();
        std::vector<ReportAirport> out;
        store::AirportReads &reads = copy.airports->reads;
        for (const store::ArptRow &a : *list) {
            const manager::ReportSource source{a, *reads.runways(a.ICAO), *reads.approaches(a.ICAO),
                                               *reads.frequencies(a.ICAO), {}};
            out.push_back(manager::reportAirport(int(out.size()) + 1, source));
        }
        return out;
    }();
    return airports;
}

void LayoutSS(benchmark::State &state) {
    const std::vector<ReportAirport> &airports = airportsSS();
    std::size_t pages = 0;
    for (auto _ : state) pages = manager::layoutReport(airports, ContactText::Short).size();
    state.counters["airports"] = double(airports.size());
    state.counters["pages"] = double(pages);
}
BENCHMARK(LayoutSS)->Unit(benchmark::kMillisecond);

void PdfSS(benchmark::State &state) {
    const manager::ReportPages pages = manager::layoutReport(airportsSS(), ContactText::Short);
    qsizetype bytes = 0;
    for (auto _ : state) {
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        if (!manager::writeReportPdf(pages, pdf).ok()) state.SkipWithError("PDF failed");
        bytes = pdf.size();
    }
    state.counters["pages"] = double(pages.size());
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(PdfSS)->Unit(benchmark::kMillisecond);

// One airport whose contact note is 1 MB of short lines: laid out short (its
// first line measured only) and long (over some 200 pages, then painted).
void MegabyteNote(benchmark::State &state) {
    const ContactText contacts = state.range(0) ? ContactText::Long : ContactText::Short;
    ReportAirport airport = airportsSS().front();
    QString &note = airport.cmdGroup.back().Kontakt;
    while (note.size() < 1'000'000) note += QStringLiteral("Zeile %1: Anmeldung beim Turm\r\n").arg(note.size());
    std::size_t pages = 0;
    for (auto _ : state) {
        const manager::ReportPages laid = manager::layoutReport({airport}, contacts);
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        if (!manager::writeReportPdf(laid, pdf).ok()) state.SkipWithError("PDF failed");
        pages = laid.size();
    }
    state.counters["pages"] = double(pages);
}
BENCHMARK(MegabyteNote)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
