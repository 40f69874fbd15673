#include "editing/NumberText.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace volmira::editing;

namespace {

TEST(NumberText, ReadsSignDigitsAndOneDecimalSeparator) {
    for (const auto &[text, value] : {std::pair{"364", 364.0}, {" -3,5 ", -3.5}, {"+0.25", 0.25}, {"5.", 5.0}, {",5", 0.5}})
        EXPECT_EQ(readNumber(QString::fromUtf8(text)), value) << text;
    for (const char *text : {"", " ", "-", ".", "1.000,5", "1e3", "inf", "nan", "0x10", "5 m", "- 5", "5-", "١٢", "１"})
        EXPECT_FALSE(readNumber(QString::fromUtf8(text)).has_value()) << text;
}

}  // namespace
