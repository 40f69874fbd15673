#include "browser/MapLinkChoice.h"
#include "support/FolderTree.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira::browser;

namespace {

QStringList paths(const std::vector<MapPlace> &places) {
    QStringList all;
    for (const MapPlace &p : places) all << p.caption + " = " + p.path;
    return all;
}

class MapLinkFolders : public ::testing::Test {
protected:
    QString at(const QString &name) const { return QDir(dir.path()).filePath(name); }
    QTemporaryDir dir;
};

}  // namespace

TEST(MapLinkPlaces, KartenHomeVolumesAndRootEachOnceAndTheLongestPlaceOfAFolder) {
    const std::vector<MapPlace> places =
        mapPlaces("/daten/", "/home/pilot", {"/", "/media/stick/", "/home/pilot", "/daten/Karten"});
    EXPECT_EQ(paths(places), QStringList({"Karten = /daten/Karten", "Persönlicher Ordner = /home/pilot",
                                          "/media/stick = /media/stick", "Dateisystem / = /"}));
    const struct {
        const char *folder;
        int place;
    } cases[] = {{"/daten/Karten/EDDF", 0}, {"/daten/Karten", 0}, {"/daten/Kartenalt", 3}, {"/home/pilot/", 1},
                 {"/media/stick/a/b", 2},   {"/", 3},             {"relativ/Karten", -1}};
    for (const auto &c : cases) EXPECT_EQ(placeOf(c.folder, places), c.place) << c.folder;
}

TEST_F(MapLinkFolders, ListsMapFilesInAnyCaseByNameIgnoringCaseAndTheSubfolders) {
    volmira::test::makeTree(dir.path(), {"b.JPG", "A.pdf", "c.jpeg", "d.Bmp", "e.gif", "f.txt", "Z.jpg", "a.PDF",
                                         "ordner.jpg/", "beta/", "Alpha/", ".versteckt/"});
    EXPECT_EQ(mapFilesIn(dir.path()), QStringList({"A.pdf", "a.PDF", "b.JPG", "c.jpeg", "d.Bmp", "Z.jpg"}));
    EXPECT_EQ(subfoldersOf(dir.path()), QStringList({"Alpha", "beta", "ordner.jpg"}));
    EXPECT_EQ(mapFilesIn(at("fehlt")), QStringList());
    EXPECT_FALSE(folderHoldsFile(at("beta")));
    EXPECT_TRUE(folderHoldsFile(dir.path()));
    EXPECT_FALSE(folderHoldsFile(at("f.txt")));
}

TEST(MapLinkList, FindsTheStoredFileExactlyFirstThenIgnoringCaseAndKeepsFourBelowInView) {
    const QStringList files = {"EDDF.jpg", "eddf.JPG", "plan.pdf"};
    const struct {
        const char *name;
        int entry;
    } found[] = {{"eddf.JPG", 1}, {"EDDF.jpg", 0}, {"Eddf.jpg", 0}, {"PLAN.PDF", 2}, {"plan", -1}, {"", -1}};
    for (const auto &c : found) EXPECT_EQ(listedFile(files, c.name), c.entry) << c.name;
    const struct {
        int found, count, below;
    } views[] = {{2, 20, 6}, {15, 20, 19}, {19, 20, 19}, {0, 1, 0}};
    for (const auto &v : views) EXPECT_EQ(entryBelowInView(v.found, v.count), v.below) << v.found;
}

TEST_F(MapLinkFolders, ANewLinkStartsInTheLastMapFolderHoldingAFileAnExistingOneInItsRebasedFolder) {
    volmira::test::makeTree(dir.path(), {"Karten/EDDF/plan.jpg", "leer/", "Luftbild/notiz.txt"});
    const auto link = [](const QString &location) {
        volmira::store::MapDataRow row;
        row.Location = location;
        row.File = "plan.jpg";
        row.Name = "Vorfeld";
        return std::optional(row);
    };
    const struct {
        std::optional<volmira::store::MapDataRow> link;
        QString last;
        QString folder;
    } cases[] = {
        {std::nullopt, at("Luftbild/"), at("Luftbild")}, {std::nullopt, at("leer"), dir.path()},
        {std::nullopt, at("fehlt"), dir.path()},         {std::nullopt, "", dir.path()},
        {link(at("Luftbild")), at("leer"), at("Luftbild")},
        {link("D:\\Old\\Karten\\EDDF"), "", at("Karten/EDDF")},
        {link("/nirgends/Bilder"), at("Luftbild"), dir.path()},
    };
    for (const auto &c : cases) {
        const LinkStart start = linkStart(c.link, c.last, dir.path());
        EXPECT_EQ(start.folder, c.folder) << c.last.toStdString();
        EXPECT_EQ(start.file, c.link ? "plan.jpg" : "");
        EXPECT_EQ(start.name, c.link ? "Vorfeld" : "");
    }
}
