#include "browser/RecentAirports.h"
#include "support/Files.h"
#include "support/QtPrinters.h"
#include "support/TempDatabase.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace volmira::browser;

TEST(RecentAirports, NewestFirstWithoutDuplicatesAndAtMostTen) {
    RecentAirports recent;
    for (const QString code : {"EDDF", "EDDM", "EDDF", "A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9"})
        recent.push(code);
    EXPECT_EQ(recent.codes(), QStringList({"A9", "A8", "A7", "A6", "A5", "A4", "A3", "A2", "A1", "EDDF"}));
}

// The file is outside data: whatever stands in it, the list is sound or empty.
// The names come in the list's order; an airport no longer stored is left out.
TEST(RecentAirports, ADamagedOrMissingFileIsAnEmptyListAndNamesAreThoseStored) {
    volmira::test::TempDatabase t;
    const QString path = QDir(t.folder()).filePath(kRecentAirportsFileName);
    const std::pair<QByteArray, QStringList> cases[] = {
        {"eddf\r\n\"EDDM\"\r\n\"EDDK\"\r\n\"EDDF\"\r\n", {"EDDF", "EDDM", "EDDK"}}, {"\"EDDF\"\r\n\"ED DF\"\r\n", {}},
        {"\"EDDF\"\r\n\r\n\"EDDM\"\r\n", {}}, {"\"FRA\"\r\n", {}}, {QByteArray("EDDF\r\n").repeated(11), {}},
        {QByteArray(5000, 'E'), {}},
    };
    for (const auto &[content, codes] : cases) {
        volmira::test::writeFile(path, content);
        EXPECT_EQ(RecentAirports::read(path).codes(), codes) << content.left(40).toStdString();
    }
    EXPECT_EQ(RecentAirports::read(path + "x").codes(), QStringList());

    t.add(t.airport("EDDF", "Frankfurt/Main"));
    t.add(t.airport("EDDM", "München"));
    const auto named = namedAirports(t.store->reads, {"EDDF", "EDXX", "EDDM"});
    ASSERT_TRUE(named) << named.error().toStdString();
    QStringList shown;
    for (const auto &hit : *named) shown.append(hit.ICAO + ' ' + hit.NAME);
    EXPECT_EQ(shown, QStringList({"EDDF Frankfurt/Main", "EDDM München"}));
}
