#include "store/RunwayText.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <vector>

using namespace volmira::store;

namespace {

TEST(RunwayText, DesignatorGivesBothEnds) {
    struct Case {
        const char *entry, *low, *high, *pair;
    };
    const std::vector<Case> cases{
        {"9", "09", "27", "09 / 27"},     {"09", "09", "27", "09 / 27"},     {"27", "09", "27", "09 / 27"},
        {"0", "18", "36", "18 / 36"},     {"18", "18", "36", "18 / 36"},     {"36", "18", "36", "18 / 36"},
        {"5", "05", "23", "05 / 23"},     {"09l", "09L", "27R", "09L / 27R"}, {"27R", "09L", "27R", "09L / 27R"},
        {"00L", "18R", "36L", "18R / 36L"}, {"18L", "18L", "36R", "18L / 36R"}, {"36C", "18C", "36C", "18C / 36C"},
        {"07r", "07R", "25L", "07R / 25L"}, {"17", "17", "35", "17 / 35"},   {" 9 ", "09", "27", "09 / 27"},
    };
    for (const Case &c : cases) {
        const std::optional<RunwayEnds> ends = runwayEnds(QString::fromLatin1(c.entry));
        ASSERT_TRUE(ends.has_value()) << c.entry;
        EXPECT_EQ(ends->RwyLow, QString::fromLatin1(c.low)) << c.entry;
        EXPECT_EQ(ends->RwyHigh, QString::fromLatin1(c.high)) << c.entry;
        EXPECT_EQ(ends->RWY, QString::fromLatin1(c.pair)) << c.entry;
    }
}

TEST(RunwayText, DesignatorRefusalsSayWhy) {
    struct Case {
        const char *entry;
        DesignatorFault fault;
    };
    const std::vector<Case> cases{
        {"37", DesignatorFault::Number},  {"-1", DesignatorFault::Number}, {"7R", DesignatorFault::Number},
        {"ABL", DesignatorFault::Number}, {"", DesignatorFault::Number},   {"09LL", DesignatorFault::Number},
        {"9.5", DesignatorFault::Number}, {"07X", DesignatorFault::Suffix}, {"09 ", DesignatorFault::None},
    };
    for (const Case &c : cases) {
        DesignatorFault fault = DesignatorFault::Suffix;
        const std::optional<RunwayEnds> ends = runwayEnds(QString::fromLatin1(c.entry), &fault);
        EXPECT_EQ(ends.has_value(), c.fault == DesignatorFault::None) << c.entry;
        EXPECT_EQ(fault, c.fault) << c.entry;
    }
}

TEST(RunwayText, HeadingGivesBothEnds) {
    struct Case {
        const char *entry, *headings;
    };
    const std::vector<Case> cases{
        {"274", "094 / 274"}, {"94", "094 / 274"}, {"5", "005 / 185"},   {"0", "180 / 360"},
        {"180", "180 / 360"}, {"360", "180 / 360"}, {"20", "020 / 200"}, {"179", "179 / 359"},
        {"181", "001 / 181"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(runwayHeadings(QString::fromLatin1(c.entry)), QString::fromLatin1(c.headings)) << c.entry;
    for (const char *refused : {"361", "-1", "abc", "", "94.5"})
        EXPECT_FALSE(runwayHeadings(QString::fromLatin1(refused)).has_value()) << refused;
}

}  // namespace
