#include "store/NoteText.h"

#include <utility>

namespace volmira::store {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Characters the builder does not take over as they are.
bool isSpecial(char16_t c) {
    return (c < 0x20 && c != u'\t') || QChar::isSurrogate(c) || c == 0x2028 || c == 0x2029;
}

}  // namespace

void NoteBuilder::append(QStringView text, bool bold, std::optional<Rgb> colour) {
    if (text.isEmpty()) return;
    if (!run_.isEmpty() && (runBold_ != bold || runColour_ != colour)) endRun();
    run_ += text;
    runBold_ = bold;
    runColour_ = colour;
}

// Copied at its own size, so that the buffer keeps its capacity for the next run.
void NoteBuilder::endRun() {
    if (run_.isEmpty()) return;
    current_.runs.push_back(NoteRun{QString(run_.constData(), run_.size()), runBold_, runColour_});
    run_.truncate(0);
}

void NoteBuilder::flushSurrogate() {
    if (highSurrogate_ == 0) return;
    highSurrogate_ = 0;
    const char16_t replacement = kReplacement;
    append(QStringView(&replacement, 1), surrogateBold_, surrogateColour_);
}

void NoteBuilder::add(QStringView text, bool bold, std::optional<Rgb> colour) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (!isSpecial(c) && highSurrogate_ == 0) continue;
        append(text.sliced(start, i - start), bold, colour);
        add(c, bold, colour);
        start = i + 1;
    }
    append(text.sliced(start), bold, colour);
}

void NoteBuilder::add(char16_t c, bool bold, std::optional<Rgb> colour) {
    if (QChar::isLowSurrogate(c) && highSurrogate_ != 0) {
        const char16_t pair[2] = {highSurrogate_, c};
        highSurrogate_ = 0;
        append(QStringView(pair, 2), surrogateBold_, surrogateColour_);
        return;
    }
    flushSurrogate();
    if (QChar::isHighSurrogate(c)) {
        highSurrogate_ = c;
        surrogateBold_ = bold;
        surrogateColour_ = colour;
    } else if (QChar::isLowSurrogate(c)) {
        const char16_t replacement = kReplacement;
        append(QStringView(&replacement, 1), bold, colour);
    } else if (c == 0x2028 || c == 0x2029) {
        endParagraph();
    } else if (!isSpecial(c)) {
        append(QStringView(&c, 1), bold, colour);
    }
}

void NoteBuilder::endParagraph() {
    flushSurrogate();
    endRun();
    note_.paragraphs.push_back(std::move(current_));
    current_ = NoteParagraph();
}

NoteText NoteBuilder::finish() {
    flushSurrogate();
    endRun();
    if (!current_.runs.empty()) note_.paragraphs.push_back(std::move(current_));
    current_ = NoteParagraph();
    return std::exchange(note_, NoteText());
}

namespace {

QString joined(const NoteText &note, QStringView separator, QStringView tab) {
    QString text;
    bool first = true;
    for (const NoteParagraph &paragraph : note.paragraphs) {
        if (!first) text += separator;
        first = false;
        for (const NoteRun &run : paragraph.runs) {
            if (tab == u"\t") {
                text += run.text;
                continue;
            }
            for (QChar c : run.text) {
                if (c == u'\t')
                    text += tab;
                else
                    text += c;
            }
        }
    }
    return text;
}

}  // namespace

QString plainText(const NoteText &note) {
    return joined(note, u"\n", u"\t");
}

QString printInfo(const NoteText &note) {
    return joined(note, u"\r\n", u"          ");
}

}  // namespace volmira::store
