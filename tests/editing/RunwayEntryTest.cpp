#include "editing/RunwayEntry.h"

#include "support/EntryChecks.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace volmira::editing;
using volmira::store::RwyRow;

namespace {

RunwayTexts typed(const char *designator, const char *heading, const char *length, const char *width) {
    return {{designator, heading, "-0.3 / 1.0", length, width}, {}, true};
}

TEST(RunwayEntry, AcceptedEntriesGiveBothEnds) {
    const std::vector<std::tuple<RunwayTexts, const char *, const char *, int>> cases{
        {typed("07l", "66", "800.4", "23"), "07L / 25R", "066 / 246", 800},
        {typed("009", "5", "799.5", "1"), "09 / 27", "005 / 185", 800},
        {typed("0", "360", "99999", "4"), "18 / 36", "180 / 360", 99999},
        {typed("36C", "020", "1", "99999"), "18C / 36C", "020 / 200", 1}};
    for (const auto &[texts, rwy, hdg, metres] : cases) {
        const RunwayEntry e = std::get<RunwayEntry>(checkRunway(texts));
        EXPECT_EQ(std::tuple(e.RWY, e.RwyLow + " / " + e.RwyHigh, e.RWYHDG, e.Length, e.SLOPE, e.SURFACE),
                  std::tuple(QString(rwy), QString(rwy), QString(hdg), metres, QString("-0.3 / 1.0"), 1));
    }
}

TEST(RunwayEntry, RefusalsNameTheFirstWrongBox) {
    const std::vector<std::tuple<RunwayTexts, int, const char *>> cases{  // texts, box, a word of the message
        {typed("9.5", "x", "x", "x"), 0, "Ziffern"}, {typed("37", "9", "8", "2"), 0, "Ziffern"},
        {typed("-1", "9", "8", "2"), 0, "Ziffern"},  {typed("7R", "9", "8", "2"), 0, "Ziffern"},
        {typed("ABL", "9", "8", "2"), 0, "Ziffern"}, {typed("07X", "9", "8", "2"), 0, "R, L oder C"},
        {typed("09", "94.5", "x", "x"), 1, "Heading"}, {typed("09", "361", "8", "2"), 1, "Heading"},
        {typed("09", "9", "0.9", "x"), 3, "länge"},  {typed("09", "9", "100000", "2"), 3, "länge"},
        {typed("09", "9", "-5", "2"), 3, "länge"},   {typed("09", "9", "8", "abc"), 4, "breite"},
        {typed("09", "9", "8", "99999.9"), 4, "breite"}};
    for (const auto &[texts, box, says] : cases) {
        const EntryFailure failure = failureOf(checkRunway(texts));
        EXPECT_EQ(std::pair(failure.box, failure.title), std::pair(box, QString("Datenfehler"))) << says;
        EXPECT_TRUE(failure.text.contains(QString::fromUtf8(says))) << failure.text.toStdString();
    }
}

TEST(RunwayEntry, PreviewKeepsThePreviousTextForRefusedEntries) {
    const std::vector<std::tuple<RunwayBox, const char *, std::optional<QString>>> cases{
        {kDesignatorBox, "27R", "09L / 27R"}, {kDesignatorBox, "9.5", std::nullopt}, {kHeadingBox, "94", "094 / 274"},
        {kHeadingBox, "abc", std::nullopt},   {kSlopeBox, " x ", " x "},             {kLengthBox, "0,4", ""},
        {kLengthBox, "-5", "-5"},             {kWidthBox, "22.5", "23"},              {kWidthBox, "2 m", std::nullopt}};
    for (const auto &[box, text, preview] : cases) EXPECT_EQ(runwayPreview(box, text), preview) << text;
}

TEST(RunwayEntry, FillFromStoredRowAndLengths) {
    const RunwayTexts texts = runwayTexts({0, "EDHN", "07L / 25R", "07L", "25R", "066 / 246", "", 800, {}, 2, "", ""});
    EXPECT_EQ(std::tuple(texts.tRwy, texts.tVorschau[0], texts.optGras),
              std::tuple(std::array<QString, 5>{"07L", "066", "", "800", ""}, QString("07L / 25R"), true));
    auto rwy = [](int length, int surface) { return RwyRow{0, "", "", "", "", "", "", length, 1, surface, "", ""}; };
    const RunwayLengths mixed = runwayLengths({rwy(1200, 0), rwy(800, 1), rwy(1500, 0)}), none = runwayLengths({});
    EXPECT_EQ(std::tuple(mixed.RwyALen, mixed.RwyGLen, none.RwyALen, none.RwyGLen), std::tuple(1500, 800, 0, 0));
}

}  // namespace
