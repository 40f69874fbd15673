// Where a dropped chart goes, copies into the map folder, and moved chart folders.
#include "browser/MapDrop.h"
#include "browser/MapLinkAudit.h"

#include "support/Files.h"
#include "support/FullDisk.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira;

TEST(MapDrop, AButtonTakesTheDropThePageTheFirstFreeSlotAndOnlyExistingChartsAreTaken) {
    QTemporaryDir dir;
    const QString chart = dir.filePath("Plan.JPG"), text = dir.filePath("notiz.txt");
    test::writeFile(chart, "x");
    test::writeFile(text, "x");
    std::array<bool, 10> some{true, true, false, true}, all;
    all.fill(true);
    const struct { QString path; std::array<bool, 10> linked; int onButton, slot; bool overwrites; const char *refusal; } cases[] = {
        {chart, some, 2, 2, false, ""}, {chart, some, 1, 1, true, ""}, {chart, some, -1, 2, false, ""},
        {chart, all, 9, 9, true, ""}, {chart, all, -1, -1, false, browser::kNoFreeSlot}, {text, some, 2, -1, false, browser::kNotAMapFile},
        {dir.filePath("fehlt.pdf"), some, 2, -1, false, "Die Datei %1 gibt es nicht."}};
    for (const auto &c : cases) {
        const browser::DropPlan plan = browser::planDrop(c.path, c.linked, c.onButton);
        EXPECT_EQ(std::tuple(plan.slot, plan.overwrites, plan.refusal),
                  std::tuple(c.slot, c.overwrites, QString::fromUtf8(c.refusal).arg(c.path))) << c.onButton;
    }
}

TEST(MapDrop, ACopyNeverReplacesAnotherFileAndTheSameChartIsTakenAgain) {
    QTemporaryDir data, elsewhere;
    EXPECT_EQ(browser::numberedName("a.b.pdf", 2) + browser::numberedName("plan", 3), "a.b (2).pdfplan (3)");
    const QString a = elsewhere.filePath("plan.pdf"), b = elsewhere.filePath("sub/plan.pdf"), folder = data.filePath("Karten/EDDF");
    ASSERT_TRUE(QDir(elsewhere.path()).mkpath("sub"));
    test::writeFile(a, "Karte A");
    test::writeFile(b, "Karte B");
    for (const auto &[from, copy] : {std::pair(a, folder + "/plan.pdf"), {b, folder + "/plan (2).pdf"}, {a, folder + "/plan.pdf"},
                                     {b, folder + "/plan (2).pdf"}, {folder + "/plan (2).pdf", folder + "/plan (2).pdf"}}) {
        const platform::Result<QString> made = browser::copyIntoMapFolder(from, data.path(), "EDDF");
        EXPECT_EQ(made.ok() ? *made : made.error(), copy);
    }
    EXPECT_EQ(test::readFile(folder + "/plan.pdf") + test::readFile(folder + "/plan (2).pdf"), "Karte AKarte B");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 2);  // no temporary file left
    EXPECT_EQ(browser::airportMapFolder("/d", "../x"), "/d/Karten/.._x");
}

// A copy on a full disk says so and leaves nothing in the map folder.
TEST(MapDrop, ACopyOnAFullDiskIsRefusedAndLeavesNothing) {
    test::FullDisk disk;
    if (!disk.mounted()) GTEST_SKIP() << test::FullDisk::skipReason().toStdString();
    QTemporaryDir elsewhere;
    const QString chart = elsewhere.filePath("plan.pdf");
    test::writeFile(chart, QByteArray(512 * 1024, 'x'));
    const platform::Result<QString> made = browser::copyIntoMapFolder(chart, disk.path(), "EDDF");
    EXPECT_TRUE(made.error().startsWith("plan.pdf kann nicht in den Kartenordner")) << made.error().toStdString();
    EXPECT_TRUE(QDir(disk.filePath("Karten/EDDF")).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(MapLinkAudit, ARelinkTakesTheFolderAndWhatLiesBelowItWhereTheFileIsThere) {
    QTemporaryDir to;
    test::writeFile(to.filePath("b.pdf"), "x");
    std::vector<store::MapDataRow> links;
    for (const char *location : {"/old/charts", "D:\\old\\charts\\EDDF\\", "/old/chartsX", "/old/charts/EDDM"})
        links.push_back(store::MapDataRow{.Location = location, .File = "b.pdf"});
    for (const char *from : {"/old/charts", "/old/charts/", "D:\\old\\charts"}) {
        QStringList plan;
        for (const browser::Relink &r : browser::planRelink(links, from, to.path() + "/"))
            plan << QDir(to.path()).relativeFilePath(r.location) + (r.fileThere ? "+" : "-");
        EXPECT_EQ(plan.join(' '), from[0] == 'D' ? "EDDF-" : ".+ EDDM-") << from;
    }
}
