#include "manager/ListFilter.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace volmira::manager;
using S = volmira::store::SurfaceFilter;
using T = volmira::store::TypeFilter;

namespace {
constexpr BoxState kOff = BoxState::Unchecked, kOn = BoxState::Checked, kGrey = BoxState::Grey;
}  // namespace

TEST(ListFilter, EveryPairOfBoxStatesGivesItsConditions) {
    const struct {
        BoxState first, second;
        S surface;
        T type;
    } cases[] = {
        {kOn, kOff, S::Hard, T::VLP},    {kOff, kOn, S::Grass, T::SLP},  {kOn, kOn, S::Any, T::Any},
        {kOff, kOff, S::None, T::None},  {kOn, kGrey, S::Hard, T::VLP},  {kGrey, kOn, S::Grass, T::SLP},
        {kGrey, kGrey, S::Off, T::Any},  {kOff, kGrey, S::Off, T::Any},  {kGrey, kOff, S::Off, T::Any},
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
        {"1.000", 1000},      {"1.000,5", 1000},   {"1.0.0", std::nullopt},
    };
    for (const auto &c : cases) {
        const ListFilter filter = listFilter({.length = c.text});
        EXPECT_EQ(filter.lengthReadable, c.length.has_value()) << c.text.toStdString();
        EXPECT_EQ(filter.filter.minLength, c.length.value_or(0)) << c.text.toStdString();
    }
}
