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
    for (const char *hard : {"ASP", "asphalt", "ASP/GRS", "Surface paved", "CONC-TRTD-G", "Tar - lights 5 clicks", "B"})
        EXPECT_TRUE(isHardSurface(QString::fromUtf8(hard))) << hard;
    for (const char *soft : {"GRS", "", "UNPAVED", "unsealed", "grass-asphalt", "X", "C", "crushed rock and asphalt"})
        EXPECT_FALSE(isHardSurface(QString::fromUtf8(soft))) << soft;
}

TEST(ExtractRules, UsableDesignators) {
    struct Case {
        const char *ident;
        const char *usable;  // nullptr: not a runway number
    };
    const std::vector<Case> cases{
        {"6", "06"},   {"06", "06"},  {"09l", "09L"}, {"36C", "36C"}, {"1", "01"},   {"18R", "18R"},
        {"0", nullptr}, {"00", nullptr}, {"37", nullptr}, {"H1", nullptr}, {"08H", nullptr}, {"10T", nullptr},
        {"", nullptr},  {"N", nullptr}, {"123", nullptr}, {"09LR", nullptr},
    };
    for (const Case &c : cases) {
        const std::optional<QString> usable = usableDesignator(QString::fromLatin1(c.ident));
        if (c.usable)
            EXPECT_EQ(usable, QString::fromLatin1(c.usable)) << c.ident;
        else
            EXPECT_FALSE(usable.has_value()) << c.ident;
    }
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
        {"low end with true headings", "13123,148,CON,07R,69.6,25L,249.6", 3.72, RunwaySkip::None, "07R / 25L",
         "066 / 246", 4000, 45, 0},
        {"west declination adds", "8400,200,ASP,04R,30.6,22L,210.6", -12.56, RunwaySkip::None, "04R / 22L",
         "043 / 223", 2560, 61, 0},
        {"only the high heading", "3280,98,Asphalt,16,,34,342", 3.72, RunwaySkip::None, "16 / 34", "158 / 338", 1000,
         30, 0},
        {"heading past 360", "1896,98,Grass,18,,36,362", -1.4, RunwaySkip::None, "18 / 36", "003 / 183", 578, 30, 1},
        {"no heading: designator times ten", "3000,,Grass,6,,24,", 3.72, RunwaySkip::None, "06 / 24", "060 / 240", 914,
         std::nullopt, 1},
        {"high end only designator", "3000,0,GRS,H1,,27,", 3.72, RunwaySkip::None, "09 / 27", "090 / 270", 914,
         std::nullopt, 1},
        {"designator from the magnetic heading", "2000,60,ASPH-G,08T,95,26T,275", 3.72, RunwaySkip::None, "09 / 27",
         "091 / 271", 610, 18, 0},
        {"magnetic heading near north", "2000,60,ASP,36T,2,18T,182", 3.72, RunwaySkip::None, "18 / 36", "178 / 358",
         610, 18, 0},
        {"unknown declination ignores headings", "2000,60,ASP,27,274,09,94", std::nullopt, RunwaySkip::None, "09 / 27",
         "090 / 270", 610, 18, 0},
        {"low designator 18 gives 180 / 360", "2000,60,ASP,18L,,36R,", 3.72, RunwaySkip::None, "18L / 36R",
         "180 / 360", 610, 18, 0},
        {"no designator and no heading", "1500,50,GRS,H1,,H2,", 3.72, RunwaySkip::Designator},
        {"heading without declination", "1500,50,GRS,H1,90,,", std::nullopt, RunwaySkip::Designator},
        {"no length", ",50,ASP,09,,27,", 3.72, RunwaySkip::Length},
        {"length zero", "0,50,ASP,09,,27,", 3.72, RunwaySkip::Length},
        {"length not a number", "long,50,ASP,09,,27,", 3.72, RunwaySkip::Length},
        {"negative length", "-2000,50,ASP,09,,27,", 3.72, RunwaySkip::OutOfRange},
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
        {"info", " ", "123.525", FrequencySkip::None, "INFO", "123.525"},
        {"AFIS", "Gebühren-Info", "120.2376", FrequencySkip::None, "GEBÜHREN-INFO", "120.238"},
        {"HF", "", "5.79", FrequencySkip::None, "HF", "5.790"},  // short wave and the military bands stay
        {"OPS", "", "999.9994", FrequencySkip::None, "OPS", "999.999"},
        {"UNIC", "", "0", FrequencySkip::OutOfRange},
        {"UNIC", "", "0.0004", FrequencySkip::OutOfRange},  // would read 0.000
        {"UNIC", "", "-120", FrequencySkip::OutOfRange},
        {"OPS", "RAAF AIR OPS", "1123.5", FrequencySkip::OutOfRange},
        {"OPS", "", "999.9996", FrequencySkip::OutOfRange},  // would read 1000.000
        {"TWR", "x", "watch hours 1030", FrequencySkip::NoValue},
        {"TWR", "x", "", FrequencySkip::NoValue},
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
