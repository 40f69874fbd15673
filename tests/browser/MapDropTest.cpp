// Where a dropped chart goes, copies into the map folder, validity and moved chart folders.
#include "browser/MapDrop.h"
#include "browser/MapLinkAudit.h"

#include "support/Files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira;

TEST(MapDrop, AButtonTakesTheDropThePageTheFirstFreeSlotAndOnlyChartsAreTaken) {
    QTemporaryDir dir;
    const QString chart = dir.filePath("Platz Übersicht.JPG"), text = dir.filePath("notiz.txt");
    test::writeFile(chart, "x");
    test::writeFile(text, "x");
    std::array<bool, 10> someFull{true, true, false, true}, allFull;
    allFull.fill(true);
    const struct { QString path; std::array<bool, 10> linked; int onButton; int slot; bool overwrites; const char *refusal; } cases[] = {
        {chart, someFull, 2, 2, false, ""}, {chart, someFull, 1, 1, true, ""}, {chart, someFull, -1, 2, false, ""},
        {chart, allFull, 9, 9, true, ""}, {chart, allFull, -1, -1, false, browser::kNoFreeSlot},
        {text, someFull, 2, -1, false, browser::kNotAMapFile},
        {dir.filePath("fehlt.pdf"), someFull, 2, -1, false, "Die Datei %1 gibt es nicht."}};
    for (const auto &c : cases) {
        const browser::DropPlan plan = browser::planDrop(c.path, c.linked, c.onButton);
        EXPECT_EQ(std::tuple(plan.slot, plan.overwrites, plan.refusal),
                  std::tuple(c.slot, c.overwrites, QString::fromUtf8(c.refusal).arg(c.path)))
            << c.path.toStdString() << " " << c.onButton;
        if (plan.refusal.isEmpty()) EXPECT_EQ(plan.name, "Platz Übersicht.JPG");
    }
}

TEST(MapDrop, ACopyNeverReplacesAnotherFileAndTheSameChartIsTakenAgain) {
    QTemporaryDir data, elsewhere;
    EXPECT_EQ(browser::numberedName("a.b.pdf", 2) + browser::numberedName("plan", 3) + browser::numberedName(".pdf", 1),
              "a.b (2).pdfplan (3).pdf");
    const QString chart = elsewhere.filePath("plan.pdf"), other = elsewhere.filePath("sub/plan.pdf");
    ASSERT_TRUE(QDir(elsewhere.path()).mkpath("sub"));
    test::writeFile(chart, "Karte A");
    test::writeFile(other, "Karte B");
    const QString folder = data.filePath("Karten/EDDF");
    const struct { QString from; QString copy; } copies[] = {
        {chart, folder + "/plan.pdf"}, {other, folder + "/plan (2).pdf"}, {chart, folder + "/plan.pdf"},
        {other, folder + "/plan (2).pdf"}, {folder + "/plan (2).pdf", folder + "/plan (2).pdf"}};
    for (const auto &c : copies) {
        const platform::Result<QString> copy = browser::copyIntoMapFolder(c.from, data.path(), "EDDF");
        EXPECT_EQ(copy.ok() ? *copy : copy.error(), c.copy);
    }
    EXPECT_EQ(test::readFile(folder + "/plan.pdf") + test::readFile(folder + "/plan (2).pdf"), "Karte AKarte B");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 2);  // no temporary file left
    EXPECT_EQ(browser::airportMapFolder("/d", "../x"), "/d/Karten/.._x");
}

TEST(MapLinkAudit, AChartIsValidThroughItsLastDay) {
    const QDate today(2026, 12, 7);
    const struct { const char *stored; bool expired; } cases[] = {
        {"2026-12-06", true}, {"2026-12-07", false}, {"2027-01-01", false}, {"", false}, {"kaputt", false}};
    for (const auto &c : cases) {
        store::MapDataRow row;
        row.ValidUntil = c.stored;
        EXPECT_EQ(browser::expiredOn(row, today).has_value(), c.expired) << c.stored;
    }
    EXPECT_EQ(browser::expiredText(QDate(2026, 12, 6)), "Karte abgelaufen am 06.12.2026");
}

TEST(MapLinkAudit, ARelinkTakesTheFolderAndWhatLiesBelowItWhereTheFileIsThere) {
    QTemporaryDir to;
    ASSERT_TRUE(QDir(to.path()).mkpath("EDDF"));
    test::writeFile(to.filePath("EDDF/a.jpg"), "x");
    test::writeFile(to.filePath("b.pdf"), "x");
    const auto row = [](const char *location, const char *file) {
        store::MapDataRow r;
        r.Location = location;
        r.File = file;
        return r;
    };
    const std::vector<store::MapDataRow> links{row("/old/charts/EDDF", "a.jpg"), row("/old/charts", "b.pdf"),
                                               row("D:\\old\\charts\\EDDF\\", "a.jpg"), row("/old/chartsX", "b.pdf"),
                                               row("/old/charts/EDDM", "c.jpg")};
    for (const char *from : {"/old/charts", "/old/charts/"}) {
        QStringList plan;
        for (const browser::Relink &r : browser::planRelink(links, from, to.path() + "/"))
            plan << QDir(to.path()).relativeFilePath(r.location) + (r.fileThere ? "+" : "-");
        EXPECT_EQ(plan.join(' '), "EDDF+ .+ EDDM-") << from;
    }
    EXPECT_EQ(browser::planRelink(links, "D:\\old\\charts", to.path()).size(), 1u);
}
