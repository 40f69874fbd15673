#include "platform/NumberText.h"

#include <gtest/gtest.h>


using volmira::platform::boxText;
using volmira::platform::readNumber;

TEST(NumberText, ReadsGermanGroupingAndBothDecimalMarks) {
    const std::pair<const char *, double> cases[] = {
        {"1.200", 1200},     {"1.200,5", 1200.5}, {" -1.146 ", -1146}, {"12.000.000", 12e6}, {"+999.999", 999999},
        {"1,5", 1.5},        {"800.4", 800.4},    {"0.125", 0.125},    {"1200.125", 1200.125}, {"1.20", 1.2},
        {"1.2000", 1.2},     {",5", 0.5},         {"5.", 5},           {"1200", 1200},         {"-0,5", -0.5}};
    for (const auto &[text, value] : cases) EXPECT_EQ(readNumber(QString::fromUtf8(text)), value) << text;
}

TEST(NumberText, RefusesWhatIsNeitherGroupingNorADecimal) {
    for (const char *text : {"", "-", ".", ",", "1.20.0", "1.200.5", "1,000.5", "1,2,3", "1.2,5", "0.500,5",
                             "1..200", "1e3", "inf", "0x10", "5 m", "1 200", "- 5", "5-", "١٢", "１"})
        EXPECT_FALSE(readNumber(QString::fromUtf8(text)).has_value()) << text;
}

TEST(NumberText, BoxTextReadsBackUnchanged) {
    for (const double value : {0.0, 2.5, -1300.0, 120.125, 1500.5, 99999.0})
        EXPECT_EQ(readNumber(boxText(value)), value) << boxText(value).toStdString();
    EXPECT_EQ(boxText(120.125), "120,125");
    EXPECT_EQ(boxText(std::nullopt), "");
}
