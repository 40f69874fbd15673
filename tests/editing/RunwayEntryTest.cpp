#include "editing/NumberText.h"
#include "editing/RunwayEntry.h"

#include "support/EntryChecks.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace volmira::editing;
using volmira::store::RwyRow;

namespace {

TEST(RunwayEntry, NumbersAreReadAlikeInEveryLocale) {
    for (const auto &[text, value] : {std::pair{" -3,5 ", -3.5}, {"+0.25", 0.25}, {"5.", 5.0}, {",5", 0.5}})
        EXPECT_EQ(readNumber(QString::fromUtf8(text)), value) << text;
    for (const char *text : {"", "-", ".", "1.000,5", "1e3", "inf", "0x10", "5 m", "- 5", "5-", "١٢", "１"})
        EXPECT_FALSE(readNumber(QString::fromUtf8(text)).has_value()) << text;
    for (const auto &[value, text] : {std::pair{2.5, "2.5"}, {-1300.0, "-1300"}, {-0.0, "0"}, {1e20, "100000000000000000000"}})
        EXPECT_EQ(boxText(value), text) << text;
}

TEST(RunwayEntry, ChecksGiveBothEndsOrTheFirstRefusedBox) {
    struct Case {
        const char *designator, *heading, *length, *width;
        int box;                  // of the first refusal; -2 accepted
        const char *rwy, *hdg = "";  // accepted: the pairs; refused: a word of the message
        int metres = 0;
    };
    const std::vector<Case> cases{
        {"07l", "66", "800.4", "23", -2, "07L / 25R", "066 / 246", 800}, {"009", "5", "799.5", "1", -2, "09 / 27", "005 / 185", 800},
        {"0", "360", "99999", "4", -2, "18 / 36", "180 / 360", 99999},   {"36C", "020", "1", "9", -2, "18C / 36C", "020 / 200", 1},
        {"9.5", "x", "x", "x", 0, "Ziffern"},  {"37", "9", "8", "2", 0, "Ziffern"},  {"-1", "9", "8", "2", 0, "Ziffern"},
        {"7R", "9", "8", "2", 0, "Ziffern"},   {"ABL", "9", "8", "2", 0, "Ziffern"}, {"07X", "9", "8", "2", 0, "R, L oder C"},
        {"09", "94.5", "x", "x", 1, "Heading"}, {"09", "361", "8", "2", 1, "Heading"}, {"09", "9", "0.9", "x", 3, "länge"},
        {"09", "9", "100000", "2", 3, "länge"}, {"09", "9", "-5", "2", 3, "länge"},     {"09", "9", "8", "abc", 4, "breite"},
        {"09", "9", "8", "99999.9", 4, "breite"},
    };
    for (const Case &c : cases) {
        const Checked<RunwayEntry> checked = checkRunway({{c.designator, c.heading, "-0.3 / 1.0", c.length, c.width}, {}, true});
        const EntryFailure failure = failureOf(checked);
        EXPECT_EQ(failure.box, c.box) << c.designator;
        if (c.box >= 0) {
            EXPECT_TRUE(failure.title == "Datenfehler" && failure.text.contains(c.rwy)) << c.designator;
            continue;
        }
        const RunwayEntry &e = std::get<RunwayEntry>(checked);
        EXPECT_EQ(std::tuple(e.RWY, e.RwyLow + " / " + e.RwyHigh, e.RWYHDG, e.Length, e.SLOPE, e.SURFACE),
                  std::tuple(QString(c.rwy), QString(c.rwy), QString(c.hdg), c.metres, QString("-0.3 / 1.0"), 1));
    }
}

TEST(RunwayEntry, PreviewKeepsThePreviousTextForRefusedEntries) {
    const std::vector<std::tuple<RunwayBox, const char *, std::optional<QString>>> cases{
        {kDesignatorBox, "27R", "09L / 27R"}, {kDesignatorBox, "9.5", std::nullopt}, {kHeadingBox, "94", "094 / 274"},
        {kHeadingBox, "abc", std::nullopt},   {kSlopeBox, " x ", " x "},             {kLengthBox, "0,4", ""},
        {kLengthBox, "-5", "-5"},             {kWidthBox, "22.5", "23"},              {kWidthBox, "2 m", std::nullopt}};
    for (const auto &[box, text, preview] : cases) EXPECT_EQ(runwayPreview(box, QString::fromUtf8(text)), preview) << text;
}

TEST(RunwayEntry, FillFromStoredRowAndLengths) {
    const RunwayTexts texts = runwayTexts({0, "EDHN", "07L / 25R", "07L", "25R", "066 / 246", "", 800, {}, 2, "", ""});
    EXPECT_EQ(std::tuple(texts.tRwy, texts.tVorschau[0], texts.optGras),
              std::tuple(std::array<QString, 5>{"07L", "066", "", "800", ""}, QString("07L / 25R"), true));
    auto runway = [](int length, int surface) { return RwyRow{0, "", "", "", "", "", "", length, 1, surface, "", ""}; };
    const RunwayLengths mixed = runwayLengths({runway(1200, 0), runway(800, 1), runway(1500, 0)}), none = runwayLengths({});
    EXPECT_EQ(std::tuple(mixed.RwyALen, mixed.RwyGLen, none.RwyALen, none.RwyGLen), std::tuple(1500, 800, 0, 0));
}

}  // namespace
