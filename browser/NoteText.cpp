#include "browser/NoteText.h"

namespace volmira::browser {

void appendRun(NoteParagraph &paragraph, QStringView text, bool bold, std::optional<Rgb> colour)
{
    if (text.isEmpty())
        return;
    if (!paragraph.runs.empty()) {
        NoteRun &last = paragraph.runs.back();
        if (last.bold == bold && last.colour == colour) {
            last.text += text;
            return;
        }
    }
    paragraph.runs.push_back(NoteRun{text.toString(), bold, colour});
}

namespace {

QString joined(const NoteText &note, QStringView separator, QStringView tab)
{
    QString text;
    bool first = true;
    for (const NoteParagraph &paragraph : note.paragraphs) {
        if (!first)
            text += separator;
        first = false;
        for (const NoteRun &run : paragraph.runs) {
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

QString plainText(const NoteText &note)
{
    return joined(note, u"\n", u"\t");
}

QString printInfo(const NoteText &note)
{
    return joined(note, u"\r\n", u"          ");
}

}  // namespace volmira::browser
