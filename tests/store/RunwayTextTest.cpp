#include "store/RunwayText.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <vector>

using namespace volmira::store;

namespace {

TEST(RunwayText, DesignatorGivesBothEnds) {
    for (const auto &[entry, pair] : {std::pair{"27", "09 / 27"}, {"0", "18 / 36"}, {"18", "18 / 36"}, {"36", "18 / 36"},
                                      {"09l", "09L / 27R"}, {"27R", "09L / 27R"}, {"00L", "18R / 36L"},
                                      {"17", "17 / 35"}, {" 9 ", "09 / 27"}}) {
        const std::optional<RunwayEnds> ends = runwayEnds(QString::fromLatin1(entry));
        ASSERT_TRUE(ends.has_value()) << entry;
        EXPECT_EQ(ends->RwyLow + " / " + ends->RwyHigh, QString::fromLatin1(pair)) << entry;
        EXPECT_EQ(ends->RWY, QString::fromLatin1(pair)) << entry;
    }
}

TEST(RunwayText, DesignatorRefusalsSayWhy) {
    struct Case {
        const char *entry;
        DesignatorFault fault;
    };
    const std::vector<Case> cases{
        {"37", DesignatorFault::Number}, {"7R", DesignatorFault::Number},   {"", DesignatorFault::Number},
        {"09LL", DesignatorFault::Number}, {"07X", DesignatorFault::Suffix}, {"09 ", DesignatorFault::None},
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
        {"274", "094 / 274"}, {"5", "005 / 185"}, {"0", "180 / 360"},
        {"360", "180 / 360"}, {"179", "179 / 359"}, {"181", "001 / 181"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(runwayHeadings(QString::fromLatin1(c.entry)), QString::fromLatin1(c.headings)) << c.entry;
    for (const char *refused : {"361", "-1", "", "94.5"})
        EXPECT_FALSE(runwayHeadings(QString::fromLatin1(refused)).has_value()) << refused;
}

}  // namespace
