#include "store/CodePage1252.h"
#include "store/Rtf.h"

#include <algorithm>
#include <vector>

namespace volmira::store {

namespace {

// The colours the note uses, in the order of first use; \cf0 is the editor's
// default colour, \cfN the Nth of these.
std::vector<Rgb> coloursUsed(const NoteText &note) {
    std::vector<Rgb> colours;
    for (const NoteParagraph &paragraph : note.paragraphs)
        for (const NoteRun &run : paragraph.runs)
            if (run.colour && std::ranges::find(colours, *run.colour) == colours.end()) colours.push_back(*run.colour);
    return colours;
}

void appendNumber(QString &out, qint64 number) {
    out += QString::number(number);
}

void appendHex(QString &out, int byte) {
    static constexpr char16_t kDigits[] = u"0123456789abcdef";
    out += u"\\'";
    out += QChar(kDigits[byte >> 4]);
    out += QChar(kDigits[byte & 0xF]);
}

void appendText(QString &out, QStringView text) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x20 && c < 0x7F && c != u'\\' && c != u'{' && c != u'}') continue;
        out += text.sliced(start, i - start);
        start = i + 1;
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += u'\\';
            out += QChar(c);
        } else if (c == u'\t') {
            out += u"\\tab ";
        } else if (const int byte = c >= 0x80 ? toCodePage1252(c) : -1; byte >= 0) {
            appendHex(out, byte);
        } else {
            // 16-bit signed; "?" stands in for readers that know no \u.
            out += u"\\u";
            appendNumber(out, c >= 0x8000 ? qint64(c) - 0x10000 : qint64(c));
            out += u'?';
        }
    }
    out += text.sliced(start);
}

}  // namespace

QString writeRtf(const NoteText &note) {
    const std::vector<Rgb> colours = coloursUsed(note);
    QString out;
    qsizetype length = 0;
    for (const NoteParagraph &paragraph : note.paragraphs)
        for (const NoteRun &run : paragraph.runs) length += run.text.size();
    out.reserve(200 + length + length / 8 + qsizetype(note.paragraphs.size()) * 6);

    out += u"{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n";
    if (!colours.empty()) {
        out += u"{\\colortbl ;";
        for (const Rgb &colour : colours) {
            out += u"\\red";
            appendNumber(out, colour.red);
            out += u"\\green";
            appendNumber(out, colour.green);
            out += u"\\blue";
            appendNumber(out, colour.blue);
            out += u';';
        }
        out += u"}\n";
    }
    out += u"\\pard\\f0\\fs20 ";

    bool bold = false;
    qint64 colourIndex = 0;
    for (const NoteParagraph &paragraph : note.paragraphs) {
        for (const NoteRun &run : paragraph.runs) {
            if (run.bold != bold) {
                bold = run.bold;
                out += bold ? u"\\b " : u"\\b0 ";
            }
            const qint64 index = run.colour ? std::ranges::find(colours, *run.colour) - colours.begin() + 1 : 0;
            if (index != colourIndex) {
                colourIndex = index;
                out += u"\\cf";
                appendNumber(out, index);
                out += u' ';
            }
            appendText(out, run.text);
        }
        out += u"\\par\n";
    }
    out += u'}';
    return out;
}

}  // namespace volmira::store
