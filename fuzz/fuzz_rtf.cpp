// libFuzzer target for the notes' RTF reader: arbitrary bytes as a stored note
// (UTF-8, or after a zero byte UTF-16 with lone surrogates possible). The note
// read must have the one shape the builder gives, and our own RTF of it must
// read back to the same note.
#include "store/Rtf.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace volmira::store;

namespace {

bool wellFormed(const QString &text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if ((c < 0x20 && c != u'\t') || c == 0x2028 || c == 0x2029) return false;
        if (QChar::isLowSurrogate(c)) return false;
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 >= text.size() || !QChar::isLowSurrogate(text[i + 1].unicode())) return false;
            ++i;
        }
    }
    return true;
}

void check(const NoteText &note) {
    for (const NoteParagraph &paragraph : note.paragraphs) {
        for (std::size_t i = 0; i < paragraph.runs.size(); ++i) {
            const NoteRun &run = paragraph.runs[i];
            if (run.text.isEmpty() || !wellFormed(run.text)) std::abort();
            if (i > 0 && paragraph.runs[i - 1].bold == run.bold && paragraph.runs[i - 1].colour == run.colour)
                std::abort();
        }
    }
    if (readRtf(writeRtf(note)) != note) std::abort();
    (void)printInfo(note);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    QString text;
    if (size > 0 && data[0] == 0) {
        text = QString(qsizetype((size - 1) / 2), Qt::Uninitialized);
        std::memcpy(text.data(), data + 1, std::size_t(text.size()) * sizeof(char16_t));
    } else {
        text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    }
    check(readNote(text));
    check(readRtf(text));
    return 0;
}
