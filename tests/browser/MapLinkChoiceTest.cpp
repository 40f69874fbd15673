#include "browser/MapLinkChoice.h"
#include "support/FolderTree.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira::browser;

TEST(MapLinkChoice, OffersEachPlaceOnceAndFindsTheLongestPlaceOfAFolder) {
    const auto places = mapPlaces("/daten/", "/home/pilot", {"/", "/media/stick/", "/home/pilot", "/daten/Karten"});
    QStringList shown;
    for (const MapPlace &p : places) shown << p.caption + "=" + p.path;
    EXPECT_EQ(shown, QStringList({"Karten=/daten/Karten", "Persönlicher Ordner=/home/pilot",
                                  "/media/stick=/media/stick", "Dateisystem /=/"}));
    const std::pair<const char *, int> cases[] = {
        {"/daten/Karten/EDDF", 0}, {"/daten/Kartenalt", 3}, {"/home/pilot/", 1}, {"/media/stick/a", 2}, {"rel", -1}};
    for (const auto &[folder, place] : cases) EXPECT_EQ(placeOf(folder, places), place) << folder;
}

TEST(MapLinkChoice, ListsByNameIgnoringCaseAndStartsInAFolderThatHoldsFilesElseInTheDataFolder) {
    QTemporaryDir dir;
    const auto at = [&](const char *name) { return dir.filePath(name); };
    volmira::test::makeTree(dir.path(), {"b.JPG", "A.pdf", "c.jpeg", "d.Bmp", "e.gif", "a.PDF", "x.jpg/", ".v/",
                                         "leer/", "daten/Karten/EDDF/"});
    EXPECT_EQ(mapFilesIn(dir.path()), QStringList({"A.pdf", "a.PDF", "b.JPG", "c.jpeg", "d.Bmp"}));
    EXPECT_EQ(subfoldersOf(dir.path()), QStringList({"daten", "leer", "x.jpg"}));
    EXPECT_EQ(listedFile({"EDDF.jpg", "eddf.JPG"}, "eddf.JPG"), 1);
    std::optional<volmira::store::MapDataRow> gone(std::in_place);  // no folder, no "karten" in it
    gone->Location = "/nirgends/Bilder";
    const std::tuple<std::optional<volmira::store::MapDataRow>, QString, QString> starts[] = {
        {std::nullopt, dir.path() + "/", dir.path()}, {std::nullopt, at("leer"), at("daten")},
        {std::nullopt, at("fehlt"), at("daten")},     {gone, dir.path(), at("daten")}};
    for (const auto &[link, last, folder] : starts)
        EXPECT_EQ(linkStart(link, last, at("daten")).folder, folder) << last.toStdString();
}
