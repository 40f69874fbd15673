#include "manager/CountTexts.h"
#include "manager/ListFilter.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace volmira::manager;
using volmira::store::SurfaceFilter;
using volmira::store::TypeFilter;

namespace {
constexpr BoxState kOff = BoxState::Unchecked, kOn = BoxState::Checked, kGrey = BoxState::Grey;
}  // namespace

TEST(ListFilter, EveryPairOfBoxStatesGivesItsConditions) {
    const struct {
        BoxState first, second;
        SurfaceFilter surface;
        TypeFilter type;
    } cases[] = {
        {kOn, kOff, SurfaceFilter::Hard, TypeFilter::VLP},    {kOff, kOn, SurfaceFilter::Grass, TypeFilter::SLP},
        {kOn, kOn, SurfaceFilter::Any, TypeFilter::Any},      {kOff, kOff, SurfaceFilter::None, TypeFilter::None},
        {kOn, kGrey, SurfaceFilter::Hard, TypeFilter::VLP},   {kGrey, kOn, SurfaceFilter::Grass, TypeFilter::SLP},
        {kGrey, kGrey, SurfaceFilter::Off, TypeFilter::Any},  {kOff, kGrey, SurfaceFilter::Off, TypeFilter::Any},
        {kGrey, kOff, SurfaceFilter::Off, TypeFilter::Any},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.first) << ", " << int(c.second));
        EXPECT_EQ(surfaceFilter(c.first, c.second), c.surface);
        EXPECT_EQ(typeFilter(c.first, c.second), c.type);
    }
}

TEST(ListFilter, ReadsTheLengthBoxOrAsksForItAndUsesZero) {
    const struct {
        QString text;
        std::optional<int> length;
    } cases[] = {
        {"600,5", 600},       {" 700 ", 700},       {"701.5", 702},        {"", std::nullopt},
        {"abc", std::nullopt}, {"-5", -5},          {"1e3", std::nullopt}, {"99999999999", std::nullopt},
        {"-2000000000", -2'000'000'000},            {"2000000000,6", std::nullopt},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(minimumLength(c.text), c.length) << c.text.toStdString();
        FilterSettings settings;
        settings.length = c.text;
        const ListFilter filter = listFilter(settings);
        EXPECT_EQ(filter.lengthReadable, c.length.has_value());
        EXPECT_EQ(filter.filter.minLength, c.length.value_or(0));
    }
}

TEST(ListFilter, MapsGreyOntoQtsPartlyCheckedState) {
    for (BoxState state : {kOff, kOn, kGrey}) EXPECT_EQ(fromCheckState(toCheckState(state)), state);
    EXPECT_EQ(toCheckState(kGrey), Qt::PartiallyChecked);
}

TEST(CountTexts, SaysFlughafenOnlyForOneAirport) {
    const struct {
        qint64 count;
        const char *airports, *changed;
    } cases[] = {
        {0, "0 Flughäfen", "Keine aktualisierten Daten vorhanden"},
        {1, "1 Flughafen", "1 aktualisierter Flugplatz vorhanden"},
        {1234, "1234 Flughäfen", "1234 aktualisierte Flugplätze vorhanden"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(airportCountText(c.count), QString::fromUtf8(c.airports));
        EXPECT_EQ(changedAirportsText(c.count), QString::fromUtf8(c.changed));
    }
}
