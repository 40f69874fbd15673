#include "store/TextWidth.h"

#include <array>

namespace volmira::store {

namespace {

struct Abbreviation {
    QStringView word;
    QStringView shortForm;
};

constexpr std::array<Abbreviation, 10> kAbbreviations{{
    {u"DELIVERY", u"DEL"},
    {u"GROUND", u"GND"},
    {u"TOWER", u"TWR"},
    {u"APPROACH", u"APP"},
    {u"DEPARTURE", u"DEP"},
    {u"ARRIVAL", u"ARR"},
    {u"INFORMATION", u"INFO"},
    {u"DIRECTOR", u"DIR"},
    {u"RADAR", u"RDR"},
    {u"CONTROL", u"CTL"},
}};

// Every whole word of the list replaced by its short form; other words,
// "TOWERS" or "GROUNDED" among them, stay.
QString abbreviated(const QString &text) {
    QString result;
    result.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        if (!text[i].isLetter()) {
            result += text[i++];
            continue;
        }
        const qsizetype start = i;
        while (i < text.size() && text[i].isLetter()) ++i;
        const QStringView word = QStringView(text).mid(start, i - start);
        QStringView replacement = word;
        for (const Abbreviation &a : kAbbreviations)
            if (word.compare(a.word, Qt::CaseInsensitive) == 0) replacement = a.shortForm;
        result += replacement;
    }
    return result;
}

}  // namespace

qsizetype textWidth(QStringView text) {
    qsizetype width = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++width)
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    return width;
}

QString cutToWidth(const QString &text, qsizetype width) {
    qsizetype units = 0;
    for (qsizetype kept = 0; units < text.size() && kept < width; ++kept)
        units += text[units].isHighSurrogate() && units + 1 < text.size() && text[units + 1].isLowSurrogate() ? 2 : 1;
    return units < text.size() ? text.left(units) : text;
}

QString fitToWidth(const QString &text, qsizetype width, bool *changed) {
    QString fitted = text;
    if (textWidth(text) > width) {
        fitted = abbreviated(text);
        if (textWidth(fitted) > width) {
            fitted = cutToWidth(fitted, width);
            while (!fitted.isEmpty() && fitted.back().isSpace()) fitted.chop(1);
        }
    }
    if (changed) *changed = fitted != text;
    return fitted;
}

}  // namespace volmira::store
