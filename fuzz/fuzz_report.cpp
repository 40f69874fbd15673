// libFuzzer target for the printed airport list: bytes make airports whose
// names, fields and contact notes hold any text (control characters, lone
// surrogates, right-to-left runs, words of up to 100,000 characters, empty),
// laid out with short or long contacts on one of several papers (a byte after
// the airports chooses) and painted into a PDF in memory. The
// layout must end with every page carrying its footer "Seite  k von N" and
// every item on the page. Run with ASAN_OPTIONS=detect_leaks=0: fontconfig keeps
// its caches to the end.
#include "manager/report/ReportPainter.h"

#include <QBuffer>
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace volmira::manager;

namespace {

// Texts no byte sequence reaches easily: bidirectional runs and controls,
// combining marks, characters outside the basic plane, breaks of every kind.
const char16_t *const kSamples[] = {
    u"\u05e9\u05dc\u05d5\u05dd 123 \u0645\u0631\u062d\u0628\u0627", u"\u202eABC\u202c", u"a\u0301\u0301\u0301",
    u"\U0001F6E9\U0001F6EB", u"\r\n\r\n\r\n", u"\u2028\u2029\u0085", u"\u200b\u200b\u200b\u200b", u"\t\t\t",
};

class Reader {
public:
    Reader(const uint8_t *data, size_t size) : data_(data), size_(size) {}

    int byte() { return at_ < size_ ? data_[at_++] : 0; }
    QChar unit() {
        const int low = byte();
        return QChar(char16_t(low | byte() << 8));
    }

    QString text() {
        if (at_ >= size_) return {};
        const int kind = byte();
        // Long words are made rarely, one in 256 texts: each costs thousands of
        // laid-out lines, and an input holds over a hundred texts.
        if (kind == 255) {  // one character repeated up to 100,000 times
            const QChar repeated = unit();
            return QString((byte() % 100 + 1) * 1000, repeated);
        }
        switch (kind % 16) {
        case 3:
            return QString::fromUtf16(kSamples[std::size_t(byte()) % std::size(kSamples)]).repeated(byte() % 8 + 1);
        case 1: {
            QString units;
            for (int length = byte(); length > 0 && at_ + 1 < size_; --length)
                units.append(unit());
            return units;
        }
        default: {
            const auto length = std::min<size_t>(size_t(byte()), size_ - at_);
            const QByteArray bytes(reinterpret_cast<const char *>(data_ + at_), qsizetype(length));
            at_ += size_t(bytes.size());
            return QString::fromUtf8(bytes);
        }
        }
    }

private:
    const uint8_t *data_;
    size_t size_;
    size_t at_ = 0;
};

std::vector<ReportAirport> airports(Reader &in) {
    std::vector<ReportAirport> list(std::size_t(in.byte() % 8));
    int index = 0;
    for (ReportAirport &a : list) {
        a.Index = ++index;
        for (QString *field : {&a.ICAO, &a.Name, &a.aType, &a.ELEV, &a.PR, &a.Coord, &a.Var, &a.Frequenzen})
            *field = in.text();
        a.cmdGroup.resize(std::size_t(in.byte() % 5));
        for (ReportRunway &r : a.cmdGroup)
            for (QString *field : {&r.RWY, &r.Length, &r.Width, &r.Type, &r.ILS, &r.OM, &r.Kontakt}) *field = in.text();
    }
    return list;
}

void checkPages(const ReportPages &pages) {
    const QString footer = QStringLiteral("Seite  %1 von %2");
    for (std::size_t p = 0; p < pages.size(); ++p) {
        int footers = 0;
        for (const ReportItem &item : pages[p].items) {
            if (item.name == u"lblPage" && item.text() == footer.arg(p + 1).arg(pages.size())) ++footers;
            if (item.box.x < 0 || item.box.y < 0 || item.box.right() > geometry::kPageWidth ||
                item.box.bottom() > pages[p].paper.listHeight() - geometry::kMarginBottom)
                std::abort();
        }
        if (footers != 1) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.*=false");  // font fallback warnings would slow every run
    new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Reader in(data, size);
    const ContactText contacts = in.byte() % 2 ? ContactText::Long : ContactText::Short;
    const std::vector<ReportAirport> list = airports(in);
    // A4 portrait and landscape, A5, Letter landscape, a low strip.
    const ReportPaper papers[] = {{}, {16838, 11906}, {8391, 11906}, {15840, 12240}, {30000, 3000}};
    const ReportPages pages = layoutReport(list, contacts, papers[std::size_t(in.byte()) % std::size(papers)]);
    if (pages.empty()) std::abort();
    checkPages(pages);
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    if (!writeReportPdf(pages, pdf).ok() || !pdf.data().startsWith("%PDF")) std::abort();
    return 0;
}
