// The notes' RTF codec: reading and writing a note of about 2 KB as the panel
// stores it, a word processor's note of the same size, and a note of 1 MB;
// and showing the 1 MB note in an editor document. Throughput in RTF bytes.
#include "browser/ui/NoteDocument.h"
#include "store/Rtf.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace volmira::browser;
using namespace volmira::store;

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

// A contact note of the kind pilots keep: bold headings, red and blue
// warnings, tabs, umlauts and the euro sign.
NoteParagraph contactParagraph(int i) {
    NoteBuilder builder;
    builder.add(u"Flugleitung ", true, std::nullopt);
    builder.add(QStringLiteral("%1:\tTower 118,%2 MHz, ").arg(i).arg(i % 1000, 3, 10, QLatin1Char('0')), false, std::nullopt);
    builder.add(u"PPR über Tel. 0611 12345", false, i % 3 ? kRed : kBlue);
    builder.add(u" – Gebühr 12,50 € je Landung, Öffnungszeiten Mo–Fr 08:00–18:00", false, std::nullopt);
    return builder.finish().paragraphs.front();
}

// As many paragraphs as give about rtfSize bytes of RTF.
NoteText noteOfSize(qsizetype rtfSize) {
    const qsizetype one = writeRtf(NoteText{{contactParagraph(1)}}).size();
    const qsizetype perParagraph = writeRtf(NoteText{{contactParagraph(1), contactParagraph(2)}}).size() - one;
    NoteText note;
    for (int i = 0; i < std::max<qsizetype>(1, (rtfSize - one) / perParagraph + 1); ++i)
        note.paragraphs.push_back(contactParagraph(i));
    return note;
}

const QString &ownNote(qsizetype size) {
    static const QString small = writeRtf(noteOfSize(2000));
    static const QString large = writeRtf(noteOfSize(1 << 20));
    return size < 4096 ? small : large;
}

const QString &wordProcessorNote() {
    static const QString rtf = [] {
        QFile file(QStringLiteral(VOLMIRA_SOURCE_DIR "/fuzz/corpus/rtf/word-processor.rtf"));
        if (!file.open(QIODevice::ReadOnly)) std::abort();
        return QString::fromLatin1(file.readAll());
    }();
    return rtf;
}

void read(benchmark::State &state, const QString &rtf) {
    for (auto _ : state) benchmark::DoNotOptimize(readRtf(rtf));
    state.SetBytesProcessed(state.iterations() * rtf.size());
    state.counters["rtf_bytes"] = double(rtf.size());
}

void ReadOwnNote(benchmark::State &state) { read(state, ownNote(state.range(0))); }
BENCHMARK(ReadOwnNote)->Arg(2000)->Arg(1 << 20)->UseRealTime();

void ReadWordProcessorNote(benchmark::State &state) { read(state, wordProcessorNote()); }
BENCHMARK(ReadWordProcessorNote)->UseRealTime();

void WriteNote(benchmark::State &state) {
    const QString &rtf = ownNote(state.range(0));
    const NoteText note = readRtf(rtf);
    for (auto _ : state) benchmark::DoNotOptimize(writeRtf(note));
    state.SetBytesProcessed(state.iterations() * rtf.size());
    state.counters["rtf_bytes"] = double(rtf.size());
}
BENCHMARK(WriteNote)->Arg(2000)->Arg(1 << 20)->UseRealTime();

void ShowNote1MB(benchmark::State &state) {
    const NoteText note = readRtf(ownNote(1 << 20));
    QTextDocument document;
    for (auto _ : state) {
        showNote(document, note);
        benchmark::DoNotOptimize(document.blockCount());
    }
}
BENCHMARK(ShowNote1MB)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
