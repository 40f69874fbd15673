#include "store/TextWidth.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <vector>

using namespace volmira::store;

namespace {

QString emoji(int count) {
    QString text;
    for (int i = 0; i < count; ++i) text += QString::fromUtf8("\U0001F6E9");  // one character, two UTF-16 units
    return text;
}

TEST(TextWidth, LongTextsAreAbbreviatedThenCutNeverInsideACharacter) {
    struct Case {
        const char *what;
        QString text;
        int width;
        QString fitted;
    };
    const std::vector<Case> cases{
        {"abbreviation suffices", "FRANKFURT DELIVERY (INITIAL CALL)", 30, "FRANKFURT DEL (INITIAL CALL)"},
        {"every listed word, any case", "Langen Radar Director/Approach Control", 30, "Langen RDR DIR/APP CTL"},
        {"whole words only, then cut", "TOWERS GROUNDED INFORMATIONAL TEXT", 18, "TOWERS GROUNDED IN"},
        {"no blank left at the cut", "KINGSTON RADIO, 0615-2300 LOCAL", 16, "KINGSTON RADIO,"},
        {"a text that fits stays whole", "TOWER", 5, "TOWER"},
        {"an emoji counts once", emoji(50), 50, emoji(50)},
        {"cut between emoji", emoji(51), 50, emoji(50)},
        {"cut after a letter", "a" + emoji(3), 2, "a" + emoji(1)},
    };
    for (const Case &c : cases) {
        bool changed = false;
        EXPECT_EQ(fitToWidth(c.text, c.width, &changed), c.fitted) << c.what;
        EXPECT_EQ(changed, c.fitted != c.text) << c.what;
        EXPECT_LE(textWidth(c.fitted), c.width) << c.what;
    }
    EXPECT_EQ(textWidth(emoji(50)), 50);
    EXPECT_EQ(cutToWidth(emoji(3), 2), emoji(2));
}

}  // namespace
