// Where a link's file is found, and the linking dialog's save.
#include "browser/MapLinks.h"

#include "support/Files.h"
#include "support/TempDatabase.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira;
using browser::PathKind;

TEST(MapPath, AMissingFileIsFoundBelowTheDataFolderFromItsKartenPart) {
    QTemporaryDir data, elsewhere;
    for (const char *file : {"Karten/EDDF/apt.jpg", "Karten/Flughafen/Plan.JPG", "Karten/PDF/a b's Ü.pdf"}) {
        ASSERT_TRUE(QDir(data.path()).mkpath(QFileInfo(file).path()));
        test::writeFile(data.filePath(file), "x");
    }
    test::writeFile(elsewhere.filePath("own.jpg"), "x");
    const QString d = data.path(), own = elsewhere.filePath("own.jpg");
    const struct { QString stored; PathKind kind; QString found; /* empty: missing, the stored path given back */ } cases[] = {
        {"D:\\Old\\Karten\\EDDF\\apt.jpg", PathKind::File, d + "/Karten/EDDF/apt.jpg"},
        {"D:\\Old\\KARTEN\\eddf\\APT.jpg", PathKind::File, d + "/Karten/EDDF/apt.jpg"},
        {"/home/x/karten/Flughafen/plan.jpg", PathKind::File, d + "/Karten/Flughafen/Plan.JPG"},
        {"C:\\Prog\\Karten\\PDF\\a b's ü.pdf", PathKind::File, d + "/Karten/PDF/a b's Ü.pdf"},
        {"/old/Karten/Alt/Karten/EDDF/apt.jpg", PathKind::File, d + "/Karten/EDDF/apt.jpg"},  // a later occurrence
        {"/old/maps/EDDF/apt.jpg", PathKind::File, ""}, {"/old/Karten/EDDF/fehlt.jpg", PathKind::File, ""},
        {"/old/Karten/../../etc/passwd", PathKind::File, ""}, {"", PathKind::File, ""}, {own, PathKind::File, own},
        {"D:\\Old\\karten\\eddf", PathKind::Folder, d + "/Karten/EDDF"}, {"D:\\Old\\karten\\eddf\\apt.jpg", PathKind::Folder, ""},
    };
    for (const auto &c : cases) {
        const browser::ResolvedPath found = browser::resolveMapPath(c.stored, d, c.kind);
        EXPECT_EQ(found.exists, !c.found.isEmpty()) << c.stored.toStdString();
        EXPECT_EQ(found.path, c.found.isEmpty() ? QString(c.stored).replace(u'\\', u'/') : c.found) << c.stored.toStdString();
    }
}

TEST(MapPath, TypeByTheLastThreeLettersAndLinkableNames) {
    for (const auto &[name, type, linkable] : {std::tuple{"a.PDF", browser::MapType::Pdf, true}, {"a.Bmp", browser::MapType::Bmp, true},
                                               {"a.jpeg", browser::MapType::Jpeg, true}, {"a.gif", browser::MapType::Jpeg, false},
                                               {".pdf", browser::MapType::Pdf, false}, {"bmp", browser::MapType::Bmp, false}})
        EXPECT_EQ(std::pair(browser::mapTypeOf(name), browser::isMapFileName(name)), std::pair(type, linkable)) << name;
    EXPECT_EQ(browser::joinMapPath("D:\\Karten\\", "a.jpg") + browser::joinMapPath("/k", "a.jpg"), "D:/Karten/a.jpg/k/a.jpg");
}

TEST(MapLinks, SavingWithoutAFileRenamesALinkAndRefusesANewOne) {
    test::TempDatabase t;
    const struct { const char *folder, *file, *name, *stored; } saves[] = {
        {"/k", "", "A", "Datenfehler: Bitte eine Kartendatei (BMP, JPEG oder PDF) auswählen. | ||"},
        {"/k/Flughafen/", "plan.jpg", "", "/k/Flughafen|plan.jpg|plan.jpg"}, {"/elsewhere", "", "Vorfeld", "/k/Flughafen|plan.jpg|Vorfeld"},
        {"D:\\Karten\\", "b.pdf", "B", "D:\\Karten|b.pdf|B"}};
    for (const auto &s : saves) {
        const browser::LinkOutcome saved = browser::saveMapLink(t.store->maps, "EDDF", 1, {s.folder, s.file, s.name}, {});
        const store::MapDataRow row = t.store->maps.link("EDDF", 1).value().value_or(store::MapDataRow{});
        EXPECT_EQ((*saved ? (*saved)->title + ": " + (*saved)->message + " | " : QString()) + row.Location + "|" + row.File + "|" + row.Name, s.stored);
    }
}
