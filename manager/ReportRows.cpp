#include "manager/ReportRows.h"

#include <QLocale>

#include <array>
#include <cmath>

namespace volmira::manager {

namespace {

using namespace Qt::Literals::StringLiterals;

constexpr std::array<QStringView, 13> kKeywords{u"ATIS", u"APP",  u"ARR",    u"RAD", u"INFO",
                                                 u"TWR",  u"TOWER", u"START", u"TURM", u"GND",
                                                 u"APN",  u"GROUND", u"APRON"};
constexpr qsizetype kSummaryLimit = 255;
constexpr qsizetype kSummaryCut = 250;
constexpr QStringView kNoIls = u"--------";
constexpr QStringView kNoOm = u"----";

// A number as the list prints it: shortest decimal form, German comma, no "-0".
QString decimal(double value) {
    QString text = QLocale::c().toString(value + 0.0, 'f', QLocale::FloatingPointShortest);
    text.replace(u'.', u',');
    return text;
}

QString withUnit(const std::optional<int> &value, QStringView unit) {
    return value ? QString::number(*value) + unit.toString() : QString();
}

// The first approach of the runway end; an empty designator has none.
const store::IlsRow *approachOf(const std::vector<store::IlsRow> &approaches, const QString &end) {
    if (end.isEmpty()) return nullptr;
    for (const store::IlsRow &row : approaches)
        if (row.RWY.compare(end, Qt::CaseInsensitive) == 0) return &row;
    return nullptr;
}

// Low end " \ " high end when either end differs from the placeholder, an empty end then
// showing the placeholder; empty when neither does.
QString bothEnds(QString low, QString high, QStringView none) {
    if (low == none && high == none) return {};
    if (low.isEmpty()) low = none.toString();
    if (high.isEmpty()) high = none.toString();
    return low + u" \\ "_s + high;
}

ReportRunway runwayLine(const store::RwyRow &runway, const std::vector<store::IlsRow> &approaches) {
    ReportRunway line{runway.RWY, withUnit(runway.Length, u" m"), withUnit(runway.Width, u" m"),
                      runway.SURFACE == 0 ? u"Asphalt"_s : u"Gras"_s, {}, {}, {}};
    if (approaches.empty()) return line;
    const store::IlsRow *low = approachOf(approaches, runway.RwyLow);
    const store::IlsRow *high = approachOf(approaches, runway.RwyHigh);
    line.ILS = bothEnds(low ? low->ILS_FREQ : kNoIls.toString(), high ? high->ILS_FREQ : kNoIls.toString(), kNoIls);
    line.OM = bothEnds(low ? low->OM_FREQ : kNoOm.toString(), high ? high->OM_FREQ : kNoOm.toString(), kNoOm);
    return line;
}

// The first keyword the name holds, case ignored; none when it holds no keyword.
std::optional<QStringView> keywordOf(const QString &name) {
    for (QStringView keyword : kKeywords)
        if (name.contains(keyword, Qt::CaseInsensitive)) return keyword;
    return std::nullopt;
}

// The first 250 units of a text, not splitting a surrogate pair.
QString cutEntry(const QString &entry) {
    qsizetype length = kSummaryCut;
    if (entry.at(length - 1).isHighSurrogate()) --length;
    return entry.left(length);
}

}  // namespace

QString frequencySummary(const std::vector<store::AcomRow> &frequencies) {
    QString summary;
    // The summary's length after each whole entry, for the cut.
    std::vector<qsizetype> entryEnds;
    for (const store::AcomRow &row : frequencies) {
        const std::optional<QStringView> keyword = keywordOf(row.Name);
        if (!keyword) continue;
        if (!summary.isEmpty()) summary += *keyword == u"ATIS" ? u" "_s : u" , "_s;
        summary += row.Name + u' ' + row.FREQ;
        entryEnds.push_back(summary.size());
    }
    if (summary.size() <= kSummaryLimit) return summary;
    qsizetype kept = 0;
    for (qsizetype end : entryEnds)
        if (end <= kSummaryCut) kept = end;
    return (kept > 0 ? summary.left(kept) : cutEntry(summary)) + u" …"_s;
}

QString variationText(std::optional<double> magVar) {
    if (!magVar) return {};
    return decimal(std::abs(*magVar)) + (*magVar < 0 ? u" W"_s : u" E"_s);
}

ReportAirport reportAirport(int index, const ReportSource &source) {
    const store::ArptRow &airport = source.airport;
    ReportAirport report{index,
                         airport.ICAO,
                         airport.Name,
                         airport.Type,
                         airport.ELEV ? u"ELEV: "_s + decimal(*airport.ELEV) + u" ft"_s : QString(),
                         airport.PR,
                         airport.COORDINATES,
                         variationText(airport.MAG_VAR),
                         frequencySummary(source.frequencies),
                         {}};
    for (const store::RwyRow &runway : source.runways) report.cmdGroup.push_back(runwayLine(runway, source.approaches));
    if (report.cmdGroup.empty()) report.cmdGroup.emplace_back();
    if (source.contacts.size() == 1) report.cmdGroup.back().Kontakt = source.contacts.front().PrintInfo;
    return report;
}

}  // namespace volmira::manager
