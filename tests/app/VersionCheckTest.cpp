#include "app/VersionCheck.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using volmira::app::checkVersions;
using volmira::platform::Failure;
using volmira::platform::OnlineVersionTexts;
using volmira::platform::Result;

TEST(VersionCheck, OnlyAPlausibleDifferentTextIsAnUpdate) {
    const struct {
        Result<OnlineVersionTexts> online;
        bool program, data;
        const char *shownData;    // OnlineDataVersion; "-": none
        const char *importData;  // for the import; empty: none
    } cases[] = {
        {OnlineVersionTexts{"1.0.3", "15.01.2011"}, false, false, "15.01.2011", "15.01.2011"},
        {OnlineVersionTexts{"1.0.4", "15.01.2011"}, true, false, "15.01.2011", "15.01.2011"},
        {OnlineVersionTexts{"1.0.2", "01.02.2011"}, true, true, "01.02.2011", "01.02.2011"},  // older counts too
        // Too long: an error page, taken for the local version.
        {OnlineVersionTexts{"1.0.4\r\n", "2011-01-15 12:00"}, false, false, "15.01.2011", ""},
        {OnlineVersionTexts{"", ""}, false, false, "", ""},
        {OnlineVersionTexts{"1.0.3\n", "15.01.2011\r\n"}, false, false, "15.01.2011", "15.01.2011"},  // line ends
        {OnlineVersionTexts{std::nullopt, "01.02.2011 \n"}, false, true, "01.02.2011", "01.02.2011"},  // no program file
        // The import stores the site's version as fetched, and only a date.
        {OnlineVersionTexts{"1.0.3", "2011-01-15"}, false, true, "2011-01-15", "2011-01-15"},
        {OnlineVersionTexts{"1.0.3", "Not Found"}, false, true, "Not Found", ""},
        {Failure{"Server nicht erreichbar"}, false, false, "-", ""},  // no answer
    };
    for (const auto &c : cases) {
        const auto check = checkVersions("1.0.3", "15.01.2011", c.online);
        const auto row = &c - cases;
        EXPECT_EQ(std::tuple(check.programUpdate, check.dataUpdate, check.updateAvailable()),
                  std::tuple(c.program, c.data, c.program || c.data)) << row;
        EXPECT_EQ(check.onlineDataVersion.value_or("-"), c.shownData) << row;
        EXPECT_EQ(check.importDataVersion.value_or(""), c.importData) << row;
    }
}
