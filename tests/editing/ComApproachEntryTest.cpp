#include "editing/ApproachEntry.h"
#include "editing/ComEntry.h"

#include "support/EntryChecks.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace volmira::editing;

namespace {

TEST(ComApproachEntry, EachBoxTakesItsMaximum) {
    const QString x28(28, 'x'), x32(32, 'x'), x10(10, 'x');
    const std::vector<std::tuple<ComTexts, ApproachTexts, int, int>> cases{  // the refused boxes, -2: none
        {{{x28, x32}}, {{"27L", x10, x10, x10, x10, x10}}, -2, -2},
        {{{x28 + "x", ""}}, {{"27L", "", "", "", "", x10 + "x"}}, 0, 5},
        {{{x28, x32 + "x"}}, {{"27L" + x10, "", "", "", "", ""}}, 1, 0}};
    for (const auto &[com, approach, comBox, approachBox] : cases)
        EXPECT_EQ(std::pair(failureOf(ValidateCom(com)).box, failureOf(ValidateApproach(approach)).box),
                  std::pair(comBox, approachBox));
    const EntryFailure failure = failureOf(ValidateCom({{x28 + "x", ""}}));
    EXPECT_EQ(std::pair(failure.title, failure.text),
              std::pair(QString("Data error"),
                        QString("Maximum number of characters allowed in field ( ATC Name ) is 28. - Please change.")));
    // A character outside the Basic Multilingual Plane counts once, as the exchange file counts it.
    QString wide28;
    for (int i = 0; i < 28; ++i) wide28 += QString::fromUtf8("\U0001F4E1");
    EXPECT_EQ(failureOf(ValidateCom({{wide28, ""}})).box, -2);
    EXPECT_EQ(failureOf(ValidateCom({{wide28 + "x", ""}})).box, 0);
    const ComTexts stored{{QString(33, 'n'), "118.500"}};  // a stored name longer than the box, left as it was
    EXPECT_EQ(failureOf(ValidateCom({{stored.tCom[0], "118.700"}}, stored)).box, -2);
}

TEST(ComApproachEntry, ApproachRunwayAndItsMatch) {
    std::vector<volmira::store::RwyRow> runways(3);
    for (const auto &[i, low, high] : {std::tuple(0, "09", "27"), {1, "09L", "27R"}, {2, "07L", "25R"}})
        std::tie(runways[i].RwyLow, runways[i].RwyHigh) = std::pair(QString(low), QString(high));
    for (const auto &[typed, match] : std::vector<std::pair<const char *, std::optional<std::size_t>>>{
             {"27l ", std::nullopt}, {" 27R", 1}, {"9", std::nullopt}, {"09", 0}, {"07l", 2}}) {
        const ApproachEntry e = std::get<ApproachEntry>(ValidateApproach({{typed, "109.5", "ifr", "", "", "om"}}));
        EXPECT_EQ(std::tuple(e.RWY, e.ILS_FREQ, e.ILS_IDENT, e.OM_IDENT),
                  std::tuple(QString(typed).trimmed().toUpper(), QString("109.5"), QString("IFR"), QString("OM")));
        EXPECT_EQ(matchingRunway(e, runways), match) << typed;
    }
    EXPECT_EQ(unknownRunwayQuestion(std::get<ApproachEntry>(ValidateApproach({{"9 "}}))),
              "Die Landebahn ( 9 ) wurde nicht gefunden. Soll der Anflug trotzdem hinzugefügt werden ? ");
    for (const char *refused : {"R9", "", "9L", " ", "٩٩"})
        EXPECT_EQ(failureOf(ValidateApproach({{refused}})).box, 0) << refused;
}

}  // namespace
