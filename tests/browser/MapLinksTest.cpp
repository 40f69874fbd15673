#include "browser/MapLinks.h"

#include "support/TempDatabase.h"

#include <gtest/gtest.h>

using namespace volmira;

TEST(MapLinks, SavingWithoutAFileRenamesALinkAndRefusesANewOne) {
    test::TempDatabase t;
    store::MapStore &maps = t.store->maps;
    auto save = [&](const QString &folder, const QString &file, const QString &name) {
        const browser::LinkOutcome saved = browser::saveMapLink(maps, "EDDF", 1, folder, file, name);
        const store::MapDataRow row = maps.link("EDDF", 1).value().value_or(store::MapDataRow{});
        return (*saved ? (*saved)->title + ": " + (*saved)->message + " | " : QString()) + row.Location + "|" +
               row.File + "|" + row.Name;
    };
    EXPECT_EQ(save("/k", "", "A"), "Datenfehler: Bitte eine Kartendatei (BMP, JPEG oder PDF) auswählen. | ||");
    EXPECT_EQ(save("/k/Flughafen/", "plan.jpg", ""), "/k/Flughafen|plan.jpg|plan.jpg");
    EXPECT_EQ(save("/elsewhere", "", "Vorfeld"), "/k/Flughafen|plan.jpg|Vorfeld");
    EXPECT_EQ(save("D:\\Karten\\", "b.pdf", "B"), "D:\\Karten|b.pdf|B");
}
