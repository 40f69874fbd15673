#include "manager/ReportRows.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace volmira;

static std::vector<store::AcomRow> frequencies(std::initializer_list<std::pair<QString, QString>> rows) {
    std::vector<store::AcomRow> out;
    for (const auto &[name, freq] : rows) out.push_back({0, "EDDF", name, freq, {}, {}});
    return out;
}
static store::RwyRow runway(const char *low, const char *high) {
    return {0, "EDDF", QString("%1 / %2").arg(low, high), low, high, "070", "", 4000, 60, 0, {}, {}};
}
static store::IlsRow approach(const char *rwy, const char *ils, const char *om) { return {0, "EDDF", rwy, ils, "", "", om, "", {}, {}}; }
static store::MyInfoRow contact(const char *text) { return {0, "EDDF", "Kontakt", "", text, {}, {}}; }

TEST(ReportRows, FrequencySummaryTakesEachKeywordRowOnce) {
    const QString longName = QString(200, u'X') + " TOWER", n100 = QString(100, u'1');
    const struct { std::vector<store::AcomRow> rows; QString summary; } cases[] = {
        {frequencies({{"LANGEN INFO", "f1"}, {"FIS", "f0"}, {"TOWER", "f2"}, {"ATIS", "f3"}}),
         "LANGEN INFO f1 , TOWER f2 ATIS f3"},
        {frequencies({{"APP/ARR", "f1"}, {"TWR", "f2"}}), "APP/ARR f1 , TWR f2"},
        {frequencies({{"TWR", "f2"}, {"APP/ARR", "f1"}}), "TWR f2 , APP/ARR f1"},
        {frequencies({{"Langen Radar", "f1"}, {"vorfeld", "f2"}, {"atis info", "f3"}}), "Langen Radar f1 atis info f3"},
        // Over 255 characters: the whole entries within 250, then " …"; a first entry too long: its first 250.
        {frequencies({{"TOWER", n100}, {"GND", n100}, {"APRON", n100}}), "TOWER " + n100 + " , GND " + n100 + " …"},
        {frequencies({{longName, QString(60, u'9')}}), (longName + ' ' + QString(60, u'9')).left(250) + " …"},
    };
    for (const auto &c : cases) EXPECT_EQ(manager::frequencySummary(c.rows), c.summary);
}

TEST(ReportRows, IlsAndOuterMarkerColumnsLowEndFirst) {
    const struct { const char *low; std::vector<store::IlsRow> approaches; const char *ils, *om; } cases[] = {
        {"07C", {}, "", ""},
        {"07C", {approach("25C", "110.100", "75")}, "-------- \\ 110.100", "---- \\ 75"},
        {"07C", {approach("07C", "109.500", "")}, "109.500 \\ --------", "---- \\ ----"},
        {"07C", {approach("25c", "110.100", "75"), approach("07C", "109.500", "80")}, "109.500 \\ 110.100", "80 \\ 75"},
        {"07C", {approach("18", "111.000", "70")}, "", ""},  // another runway's approach
        {"", {approach("", "111.000", "70")}, "", ""},  // an empty designator matches nothing
    };
    for (const auto &c : cases) {
        const auto line = manager::reportAirport(1, {{}, {runway(c.low, "25C")}, c.approaches, {}, {}}).cmdGroup.at(0);
        EXPECT_EQ(line.ILS + " | " + line.OM, QString(c.ils) + " | " + c.om);
    }
}

TEST(ReportRows, VariationWithGermanCommaAndNoMinusZero) {
    const struct { std::optional<double> magVar; const char *text; } cases[] = {
        {-2.5, "2,5 W"}, {0.0, "0 E"}, {-0.0, "0 E"}, {3.0, "3 E"}, {std::nullopt, ""}};
    for (const auto &c : cases) EXPECT_EQ(manager::variationText(c.magVar), c.text);
}

TEST(ReportRows, ContactOnTheLastLineOnlyWhenThereIsExactlyOneNote) {
    const std::vector<store::RwyRow> two{runway("07C", "25C"), runway("18", "36")};
    const struct { std::vector<store::RwyRow> runways; std::vector<store::MyInfoRow> notes; QStringList contacts; } cases[] = {
        {two, {contact("Turm 069")}, {"", "Turm 069"}}, {two, {contact("a"), contact("b")}, {"", ""}},
        {two, {}, {"", ""}}, {{}, {contact("Turm 069")}, {"Turm 069"}}};
    for (const auto &c : cases) {
        const manager::ReportAirport report = manager::reportAirport(7, {{}, c.runways, {}, {}, c.notes});
        QStringList contacts;
        for (const manager::ReportRunway &line : report.cmdGroup) contacts << line.Kontakt;
        EXPECT_EQ(contacts, c.contacts);
        // Unknown elevation and variation print nothing; an airport without runways one empty line.
        EXPECT_EQ(report.ELEV + report.Var + (c.runways.empty() ? report.cmdGroup[0].Type : ""), "");
    }
}
