#include "browser/MapPath.h"

#include "support/Files.h"

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
    const QString d = data.path();
    const struct {
        QString stored;
        PathKind kind;
        QString found;  // empty: missing, the stored path given back with '/'
    } cases[] = {
        {"D:\\Old\\Karten\\EDDF\\apt.jpg", PathKind::File, d + "/Karten/EDDF/apt.jpg"},
        {"D:\\Old\\KARTEN\\eddf\\APT.jpg", PathKind::File, d + "/Karten/EDDF/apt.jpg"},
        {"/home/x/karten/Flughafen/plan.jpg", PathKind::File, d + "/Karten/Flughafen/Plan.JPG"},
        {"C:\\Prog\\Karten\\PDF\\a b's ü.pdf", PathKind::File, d + "/Karten/PDF/a b's Ü.pdf"},
        {"/old/Karten/Alt/Karten/EDDF/apt.jpg", PathKind::File, d + "/Karten/EDDF/apt.jpg"},
        {"/old/maps/EDDF/apt.jpg", PathKind::File, ""},
        {"/old/Karten/EDDF/fehlt.jpg", PathKind::File, ""},
        {"/old/Karten/../../etc/passwd", PathKind::File, ""},
        {elsewhere.filePath("own.jpg"), PathKind::File, elsewhere.filePath("own.jpg")},
        {"D:\\Old\\karten\\eddf", PathKind::Folder, d + "/Karten/EDDF"},
        {"D:\\Old\\karten\\eddf\\apt.jpg", PathKind::Folder, ""},
        {"", PathKind::File, ""},
    };
    for (const auto &c : cases) {
        const browser::ResolvedPath found = browser::resolveMapPath(c.stored, d, c.kind);
        EXPECT_EQ(found.exists, !c.found.isEmpty()) << c.stored.toStdString();
        EXPECT_EQ(found.path, c.found.isEmpty() ? QString(c.stored).replace(u'\\', u'/') : c.found)
            << c.stored.toStdString();
    }
}

TEST(MapPath, TypeAndJoinFollowTheStoredNames) {
    using browser::MapType;
    const struct {
        const char *name;
        MapType type;
        bool linkable;
    } names[] = {{"a.PDF", MapType::Pdf, true},   {"a.Bmp", MapType::Bmp, true},  {"a.jpeg", MapType::Jpeg, true},
                 {"a.JPG", MapType::Jpeg, true},  {"a.gif", MapType::Jpeg, false}, {".pdf", MapType::Pdf, false},
                 {"bmp", MapType::Bmp, false}};
    for (const auto &n : names) {
        EXPECT_EQ(browser::mapTypeOf(n.name), n.type) << n.name;
        EXPECT_EQ(browser::isMapFileName(n.name), n.linkable) << n.name;
    }
    EXPECT_EQ(browser::joinMapPath("D:\\Karten\\", "a.jpg"), "D:/Karten/a.jpg");
    EXPECT_EQ(browser::joinMapPath("/k", "a.jpg"), "/k/a.jpg");
    EXPECT_EQ(browser::joinMapPath("/k", ""), "/k");
}
