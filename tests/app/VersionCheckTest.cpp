#include "app/VersionCheck.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using volmira::app::checkVersions;
using volmira::platform::OnlineVersionTexts;

TEST(VersionCheck, OnlyAPlausibleDifferentTextIsAnUpdate) {
    const struct {
        std::optional<OnlineVersionTexts> online;
        bool program, data;
        const char *dataVersion;  // for the import; empty: none
    } cases[] = {
        {OnlineVersionTexts{"1.0.3", "15.01.2011"}, false, false, "15.01.2011"},
        {OnlineVersionTexts{"1.0.4", "15.01.2011"}, true, false, "15.01.2011"},
        {OnlineVersionTexts{"1.0.2", "01.02.2011"}, true, true, "01.02.2011"},  // older counts too
        {OnlineVersionTexts{"1.0.4\r\n", "2011-01-15 12:00"}, false, false, ""},   // too long: an error page
        {OnlineVersionTexts{"", ""}, false, false, ""},
        {std::nullopt, false, false, ""},  // no answer
    };
    for (const auto &c : cases) {
        const auto check = checkVersions("1.0.3", "15.01.2011", c.online);
        const auto row = &c - cases;
        EXPECT_EQ(std::tuple(check.programUpdate, check.dataUpdate, check.updateAvailable()),
                  std::tuple(c.program, c.data, c.program || c.data)) << row;
        EXPECT_EQ(check.onlineDataVersion.value_or(""), c.dataVersion) << row;
    }
}
