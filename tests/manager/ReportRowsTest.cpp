#include "manager/ReportRows.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace volmira;
using manager::ReportSource;

namespace {

std::vector<store::AcomRow> frequencies(std::initializer_list<std::pair<QString, QString>> rows) {
    std::vector<store::AcomRow> out;
    for (const auto &[name, freq] : rows) out.push_back({0, "EDDF", name, freq, {}, {}});
    return out;
}

store::RwyRow runway(const char *low, const char *high) {
    return {0, "EDDF", QString("%1 / %2").arg(low, high), low, high, "070", "", 4000, 60, 0, {}, {}};
}

store::IlsRow approach(const char *rwy, const char *ils, const char *om) {
    return {0, "EDDF", rwy, ils, "IFR", "3.0", om, "", {}, {}};
}

store::MyInfoRow contact(const char *text) { return {0, "EDDF", "Kontakt", "", text, {}, {}}; }

}  // namespace

TEST(ReportRows, FrequencySummaryTakesEachKeywordRowOnce) {
    const QString longName = QString(200, u'X') + " TOWER";
    const struct { std::vector<store::AcomRow> rows; QString summary; } cases[] = {
        {frequencies({{"LANGEN INFO", "f1"}, {"TOWER", "f2"}, {"ATIS", "f3"}}), "LANGEN INFO f1 , TOWER f2 ATIS f3"},
        {frequencies({{"APP/ARR", "f1"}, {"TWR", "f2"}}), "APP/ARR f1 , TWR f2"},
        {frequencies({{"TWR", "f2"}, {"APP/ARR", "f1"}}), "TWR f2 , APP/ARR f1"},
        {frequencies({{"DELIVERY", "f1"}, {"FIS", "f2"}}), ""},
        {frequencies({{"Langen Radar", "f1"}, {"vorfeld", "f2"}, {"atis info", "f3"}}), "Langen Radar f1 atis info f3"},
        // Over 255 characters: the whole entries within 250, then " …"; a first entry too long: its first 250.
        {frequencies({{"TOWER", QString(100, u'1')}, {"GND", QString(100, u'2')}, {"APRON", QString(100, u'3')}}),
         "TOWER " + QString(100, u'1') + " , GND " + QString(100, u'2') + " …"},
        {frequencies({{longName, QString(60, u'9')}}), (longName + ' ' + QString(60, u'9')).left(250) + " …"},
    };
    for (const auto &c : cases) EXPECT_EQ(manager::frequencySummary(c.rows), c.summary);
}

TEST(ReportRows, IlsAndOuterMarkerColumnsLowEndFirst) {
    const struct { std::vector<store::IlsRow> approaches; const char *ils, *om; } cases[] = {
        {{}, "", ""},
        {{approach("25C", "110.100", "75")}, "-------- \\ 110.100", "---- \\ 75"},
        {{approach("07C", "109.500", "")}, "109.500 \\ --------", "---- \\ ----"},
        {{approach("25c", "110.100", "75"), approach("07C", "109.500", "80")}, "109.500 \\ 110.100", "80 \\ 75"},
        {{approach("18", "111.000", "70")}, "", ""},  // another runway's approach
        {{approach("25C", "", "")}, "-------- \\ --------", "---- \\ ----"},
        {{approach("", "111.000", "70")}, "", ""},   // an empty designator matches nothing
    };
    for (const auto &c : cases) {
        ReportSource source{{}, {runway("07C", "25C")}, c.approaches, {}, {}};
        const manager::ReportRunway line = manager::reportAirport(1, source).cmdGroup.at(0);
        EXPECT_EQ(line.ILS, c.ils) << c.approaches.size();
        EXPECT_EQ(line.OM, c.om);
    }
    ReportSource emptyEnd{{}, {runway("", "25C")}, {approach("", "111.000", "70")}, {}, {}};
    EXPECT_EQ(manager::reportAirport(1, emptyEnd).cmdGroup.at(0).ILS, "");  // an empty end matches no empty RWY
}

TEST(ReportRows, VariationWithGermanCommaAndNoMinusZero) {
    const struct { std::optional<double> magVar; const char *text; } cases[] = {
        {-2.5, "2,5 W"}, {0.0, "0 E"}, {-0.0, "0 E"}, {3.0, "3 E"}, {std::nullopt, ""}};
    for (const auto &c : cases) EXPECT_EQ(manager::variationText(c.magVar), c.text);
}

TEST(ReportRows, ContactOnTheLastLineOnlyWhenThereIsExactlyOneNote) {
    store::ArptRow airport{"EDDF", "Frankfurt", "5002.0 N / 00834.2 E", {}, {}, std::nullopt, "", std::nullopt,
                           {}, {}, "VLP", {}, {}, {}, {}};
    const std::vector<store::RwyRow> two{runway("07C", "25C"), runway("18", "36")};
    const struct { std::vector<store::RwyRow> runways; std::vector<store::MyInfoRow> notes; QStringList contacts; } cases[] = {
        {two, {contact("Turm 069 123")}, {"", "Turm 069 123"}},
        {two, {contact("a"), contact("b")}, {"", ""}},
        {two, {}, {"", ""}},
        {{}, {contact("Turm 069 123")}, {"Turm 069 123"}},
    };
    for (const auto &c : cases) {
        const manager::ReportAirport report = manager::reportAirport(7, {airport, c.runways, {}, {}, c.notes});
        QStringList contacts;
        for (const manager::ReportRunway &line : report.cmdGroup) contacts << line.Kontakt;
        EXPECT_EQ(contacts, c.contacts);
        EXPECT_EQ(report.Index, 7);
        // Unknown elevation and variation print nothing; an airport without runways one empty line.
        EXPECT_EQ(report.ELEV + report.Var, "");
        if (c.runways.empty()) EXPECT_EQ(report.cmdGroup[0].Type + report.cmdGroup[0].Length, "");
    }
}
