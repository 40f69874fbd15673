#include "browser/RecentAirports.h"
#include "support/Files.h"
#include "support/QtPrinters.h"
#include "support/TempDatabase.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace volmira::browser;

namespace {

class RecentAirportsFile : public ::testing::Test {
protected:
    QString path() const { return QDir(t.folder()).filePath(kRecentAirportsFileName); }
    void write(const QByteArray &content) { volmira::test::writeFile(path(), content); }
    volmira::test::TempDatabase t;
};

QStringList pushed(const QStringList &codes) {
    RecentAirports recent;
    for (const QString &code : codes) recent.push(code);
    return recent.codes();
}

}  // namespace

TEST(RecentAirports, NewestFirstWithoutDuplicatesAndAtMostTen) {
    const struct {
        QStringList shown;
        QStringList kept;
    } cases[] = {
        {{}, {}},
        {{"EDDF", "EDDM"}, {"EDDM", "EDDF"}},
        {{"EDDF", "EDDM", "EDDF"}, {"EDDF", "EDDM"}},
        {{"EDDF", "EDDF"}, {"EDDF"}},
        {{"A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9", "A10", "A11"},
         {"A11", "A10", "A9", "A8", "A7", "A6", "A5", "A4", "A3", "A2"}},
    };
    for (const auto &c : cases) EXPECT_EQ(pushed(c.shown), c.kept) << c.shown.join(' ').toStdString();
}

TEST_F(RecentAirportsFile, WrittenListIsReadBackInItsOrder) {
    RecentAirports recent;
    for (const QString code : {"EDHN", "EDDM", "EDDF"}) recent.push(code);
    ASSERT_EQ(recent.write(path()).error(), "");
    EXPECT_EQ(volmira::test::readFile(path()), "\"EDDF\"\r\n\"EDDM\"\r\n\"EDHN\"\r\n");
    EXPECT_EQ(RecentAirports::read(path()).codes(), recent.codes());
    EXPECT_NE(recent.write(QDir(t.folder()).filePath("fehlt/Zuletzt.crm")).error(), "");
}

// The file is outside data: whatever stands in it, the list is sound or empty.
TEST_F(RecentAirportsFile, ADamagedOrOversizedFileIsAnEmptyList) {
    const struct {
        QByteArray content;
        QStringList codes;
    } cases[] = {
        {"eddf\r\n\"EDDM\"\r\n", {"EDDF", "EDDM"}},
        {"\"EDDF\"\r\n\"EDDM\"\r\n\"EDDF\"\r\n", {"EDDF", "EDDM"}},
        {"", {}},
        {"\"EDDF\"\r\n\"ED DF\"\r\n", {}},
        {"\"EDDF\"\r\n\r\n\"EDDM\"\r\n", {}},
        {"\"FRA\"\r\n", {}},
        {QByteArray("\"EDDF\"\r\n").repeated(11), {}},
        {QByteArray(5000, 'E'), {}},
        {QByteArray("\"EDDF\0\"\r\n", 9), {}},
    };
    for (const auto &c : cases) {
        write(c.content);
        EXPECT_EQ(RecentAirports::read(path()).codes(), c.codes) << c.content.left(40).toStdString();
    }
    QFile::remove(path());
    EXPECT_TRUE(RecentAirports::read(path()).codes().isEmpty());
    QDir(t.folder()).mkdir(kRecentAirportsFileName);
    EXPECT_TRUE(RecentAirports::read(path()).codes().isEmpty());
}

TEST_F(RecentAirportsFile, NamesComeInTheListsOrderAndADeletedAirportIsLeftOut) {
    t.add(t.airport("EDDF", "Frankfurt/Main"));
    t.add(t.airport("EDDM", "München"));
    const auto named = namedAirports(t.store->reads, {"EDDM", "EDXX", "EDDF"});
    ASSERT_TRUE(named) << named.error().toStdString();
    QStringList shown;
    for (const auto &hit : *named) shown.append(hit.ICAO + ' ' + hit.NAME);
    EXPECT_EQ(shown, QStringList({"EDDM München", "EDDF Frankfurt/Main"}));

    RecentAirports recent = RecentAirports::read(path());
    for (const QString code : {"EDXX", "EDDF"}) recent.push(code);
    recent.keepOnly({"EDDF"});
    EXPECT_EQ(recent.codes(), QStringList{"EDDF"});
}
