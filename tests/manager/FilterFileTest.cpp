#include "manager/FilterFile.h"
#include "support/Files.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira::manager;

namespace {

constexpr BoxState kOff = BoxState::Unchecked, kOn = BoxState::Checked, kGrey = BoxState::Grey;

// The window's values before reading: all differing from the first-run file.
FilterSettings current() { return {{kOff, kOff}, {kOff, kOff}, QStringLiteral("250")}; }

}  // namespace

TEST(FilterFile, KeepsTheValuesReadBeforeAFailure) {
    const struct {
        QByteArray content;  // nothing written: a missing file
        FilterSettings settings;
        bool complete;
    } cases[] = {
        {{}, current(), false},
        {"1\r\n0\r\nX\r\n1\r\n\"700\"\r\n", {{kOn, kOff}, {kOff, kOff}, "250"}, false},
        {"1\r\n1\r\n5\r\n1\r\n\"700\"\r\n", {{kOn, kOn}, {kOff, kOff}, "250"}, false},
        {"0\r\n1\r\n2\r\n1\r\n", {{kOff, kOn}, {kGrey, kOn}, "250"}, false},
        {"1\n0\n1\n0\n0\n", {{kOn, kOff}, {kOn, kOff}, "0"}, true},
        {" 2 , 1\r\n1\r\n0\r\n\"1\"\"000\"\r\n", {{kGrey, kOn}, {kOn, kOff}, "1\"000"}, true},
    };
    for (const auto &c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(kFilterFileName);
        if (!c.content.isNull()) volmira::test::writeFile(path, c.content);
        const FilterFileRead read = readFilterFile(path);
        EXPECT_EQ(read.complete, c.complete) << c.content.toStdString();
        EXPECT_EQ(read.over(current()), c.settings) << c.content.toStdString();
    }
}

TEST(FilterFile, WritesTheFiveLinesAndReadsThemBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kFilterFileName);
    const FilterSettings grey{{kGrey, kOn}, {kOff, kGrey}, QStringLiteral(" 6\"00 ")};
    ASSERT_EQ(writeFilterFile(path, grey).error(), "");
    EXPECT_EQ(volmira::test::readFile(path), "2\r\n1\r\n0\r\n2\r\n\" 6\"\"00 \"\r\n");
    EXPECT_EQ(readFilterFile(path).over(current()), grey);

    ASSERT_EQ(writeFirstRunFilterFile(path).error(), "");
    EXPECT_EQ(volmira::test::readFile(path), "1\r\n1\r\n1\r\n1\r\n0\r\n");
    EXPECT_EQ(readFilterFile(path).over(current()), FilterSettings{});
}
