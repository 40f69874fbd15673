#include "store/shipped/ExtractRules.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <vector>

using namespace volmira::store;
using namespace volmira::store::shipped;
using namespace volmira::store::shipped::extract;

namespace {

TEST(ExtractRules, SurfaceSpellingsOfTheData) {
    for (const char *hard : {"asphalt", "ASP/GRS", "Surface paved", "CONC-TRTD-G", "B"})
        EXPECT_TRUE(isHardSurface(QString::fromUtf8(hard))) << hard;
    for (const char *soft : {"GRS", "", "UNPAVED", "grass-asphalt", "C", "crushed rock and asphalt"})
        EXPECT_FALSE(isHardSurface(QString::fromUtf8(soft))) << soft;
}

TEST(ExtractRules, UsableDesignators) {
    // An empty answer: not a runway number.
    for (const auto &[ident, usable] : {std::pair{"6", "06"}, {"09l", "09L"}, {"36C", "36C"}, {"0", ""}, {"37", ""},
                                        {"H1", ""}, {"10T", ""}, {"", ""}, {"123", ""}, {"09LR", ""}})
        EXPECT_EQ(usableDesignator(QString::fromLatin1(ident)).value_or(""), QString::fromLatin1(usable)) << ident;
}

// A runways.csv row reduced to length, width, surface, le ident and heading, he ident and heading.
RunwaySource runway(const char *csv) {
    const QStringList f = QString::fromUtf8(csv).split(QLatin1Char(','));
    return {f[0], f[1], f[2], f[3], f[4], f[5], f[6]};
}

TEST(ExtractRules, RunwayConversion) {
    struct Case {
        const char *name, *source;
        std::optional<double> declination;
        RunwaySkip skip;
        const char *rwy = "", *headings = "";
        std::optional<int> length = std::nullopt, width = std::nullopt;
        int surface = 0;
    };
    const std::vector<Case> cases{
        {"only the high heading", "3280,98,Asphalt,16,,34,342", 3.72, RunwaySkip::None, "16 / 34", "158 / 338", 1000,
         30, 0},
        {"heading past 360", "1896,98,Grass,18,,36,362", -1.4, RunwaySkip::None, "18 / 36", "003 / 183", 578, 30, 1},
        {"high end only designator", "3000,0,GRS,H1,,27,", 3.72, RunwaySkip::None, "09 / 27", "090 / 270", 914,
         std::nullopt, 1},
        {"designator from the magnetic heading", "2000,60,ASPH-G,08T,95,26T,275", 3.72, RunwaySkip::None, "09 / 27",
         "091 / 271", 610, 18, 0},
        {"unknown declination ignores headings", "2000,60,ASP,27,274,09,94", std::nullopt, RunwaySkip::None, "09 / 27",
         "090 / 270", 610, 18, 0},
        {"low designator 18 gives 180 / 360", "2000,60,ASP,18L,,36R,", 3.72, RunwaySkip::None, "18L / 36R",
         "180 / 360", 610, 18, 0},
        {"no designator and no heading", "1500,50,GRS,NE,,SW,", 3.72, RunwaySkip::Designator},
        {"heading without declination", "1500,50,GRS,N,90,,", std::nullopt, RunwaySkip::Designator},
        {"helipad with a heading", "98,98,ASPH,H-NORTH,72,,", 3.72, RunwaySkip::Helipad},
        {"helicopter lane", "1000,95,ASP,H09L,85,H27R,265", 3.72, RunwaySkip::Helipad},
        {"pad", "100,100,ASP,PAD 2,,,", 3.72, RunwaySkip::Helipad},
        {"length zero", "0,50,ASP,09,,27,", 3.72, RunwaySkip::Length},
        {"negative width", "2000,-50,ASP,09,,27,", 3.72, RunwaySkip::OutOfRange},
        {"length beyond any runway", "1e12,50,ASP,09,,27,", 3.72, RunwaySkip::OutOfRange},
    };
    for (const Case &c : cases) {
        const RunwayConversion result = convertRunway(runway(c.source), c.declination);
        ASSERT_EQ(result.skip, c.skip) << c.name;
        if (c.skip != RunwaySkip::None) continue;
        EXPECT_EQ(result.row.RWY, QString::fromLatin1(c.rwy)) << c.name;
        EXPECT_EQ(result.row.RWYHDG, QString::fromLatin1(c.headings)) << c.name;
        EXPECT_EQ(result.row.Length, c.length) << c.name;
        EXPECT_EQ(result.row.Width, c.width) << c.name;
        EXPECT_EQ(result.row.SURFACE, c.surface) << c.name;
        EXPECT_TRUE(result.row.SLOPE.isNull()) << c.name;
    }
}

TEST(ExtractRules, FrequencyConversion) {
    struct Case {
        const char *type, *description, *megahertz;
        FrequencySkip skip;
        const char *name = "", *freq = "";
    };
    const std::vector<Case> cases{
        {"TWR", "Frankfurt Tower", "119.9", FrequencySkip::None, "FRANKFURT TOWER", "119.900"},
        {"ATIS", "", "118.03", FrequencySkip::None, "ATIS", "118.030"},
        {"AFIS", "Gebühren-Info", "120.2376", FrequencySkip::None, "GEBÜHREN-INFO", "120.238"},
        {"HF", "", "5.79", FrequencySkip::None, "HF", "5.790"},  // short wave and the military bands stay
        {"OPS", "", "999.9994", FrequencySkip::None, "OPS", "999.999"},
        {"UNIC", "", "0.0004", FrequencySkip::OutOfRange},  // would read 0.000
        {"UNIC", "", "-120", FrequencySkip::OutOfRange},
        {"OPS", "", "999.9996", FrequencySkip::OutOfRange},  // would read 1000.000
        {"TWR", "x", "watch hours 1030", FrequencySkip::NoValue},
    };
    for (const Case &c : cases) {
        const FrequencyConversion result = convertFrequency(
            QString::fromUtf8(c.type), QString::fromUtf8(c.description), QString::fromUtf8(c.megahertz));
        ASSERT_EQ(result.skip, c.skip) << c.megahertz;
        if (c.skip != FrequencySkip::None) continue;
        EXPECT_EQ(result.row.Name, QString::fromUtf8(c.name));
        EXPECT_EQ(result.row.FREQ, QString::fromUtf8(c.freq));
    }
}

}  // namespace
