// Copied charts, validity dates, missing files and moved chart folders through the real executable.
#include "support/Command.h"
#include "support/Files.h"

#include <QDate>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira;

namespace {

const QByteArray kJpeg("\xFF\xD8\xFF\xC0\x00\x0B\x08\x05\xDC\x07\xD0\x01\x01\x11\x00", 15);

QString pathOfFirstMap(const QString &dataDir, const QString &code) {
    return QJsonDocument::fromJson(test::runCommand(dataDir, {"maps", code, "--json"}).out)["maps"][0]["path"].toString();
}

}  // namespace

TEST(MapListCli, ACopiedChartSurvivesAMovedDataFolderAndItsExpiryIsListed) {
    auto data = std::make_unique<QTemporaryDir>();
    QTemporaryDir charts, moved;
    const QString chart = charts.filePath("anflug.jpg"), yesterday = QDate::currentDate().addDays(-1).toString("dd.MM.yyyy");
    test::writeFile(chart, kJpeg);
    for (const char *bad : {"31.02.2026", "2026", ""})
        EXPECT_EQ(test::runCommand(data->path(), {"map", "link", "EDDF", "0", chart, "--copy", "--valid-until", bad}).exitCode, 2);
    EXPECT_EQ(test::runCommand(data->path(), {"maps", "EDDF"}).out + QDir(data->path()).entryList({"Karten"}).join(""),
              "EDDF\n  (keine Karten verknüpft)\n");
    ASSERT_EQ(test::runCommand(data->path(), {"map", "link", "EDDF", "0", chart, "--copy", "--valid-until", yesterday}).exitCode, 0);
    ASSERT_TRUE(QFile::remove(chart) && QDir(moved.path()).mkpath("Karten/EDDF"));
    for (const char *file : {"vmdata.vmd", "Karten/EDDF/anflug.jpg"}) ASSERT_TRUE(QFile::copy(data->filePath(file), moved.filePath(file)));
    data.reset();
    EXPECT_EQ(pathOfFirstMap(moved.path(), "EDDF"), moved.filePath("Karten/EDDF/anflug.jpg"));
    EXPECT_TRUE(test::runCommand(moved.path(), {"maps", "EDDF"}).out.contains("gültig bis " + yesterday.toUtf8() + " (abgelaufen)"));
    EXPECT_TRUE(test::runCommand(moved.path(), {"maps", "--expired"}).out.startsWith("EDDF  0  anflug.jpg  "));
    const struct { QStringList arguments; int exit; } lists[] = {
        {{"maps", "--expired", "--before", yesterday}, 1}, {{"maps", "--expired", "--before", "01.01.2100"}, 0}, {{"maps", "--missing"}, 1},
        {{"maps", "EDDF", "--missing"}, 2}, {{"maps", "--before", "01.01.2100"}, 2}, {{"maps", "--expired", "--before", "morgen"}, 2}};
    for (const auto &l : lists) EXPECT_EQ(test::runCommand(moved.path(), l.arguments).exitCode, l.exit) << l.arguments.join(' ').toStdString();
}

TEST(MapListCli, AMovedChartFolderIsListedAsMissingAndRelinkedInOneStepWhereTheFilesAre) {
    QTemporaryDir data, old, now;
    ASSERT_TRUE(QDir(old.path()).mkpath("EDDF") && QDir(now.path()).mkpath("EDDF"));
    const struct { const char *code, *slot, *file; } links[] = {{"EDDF", "0", "EDDF/a.jpg"}, {"EDDF", "1", "EDDF/b.jpg"}, {"EDDM", "0", "c.jpg"}};
    for (const auto &l : links) {
        test::writeFile(old.filePath(l.file), kJpeg);
        ASSERT_EQ(test::runCommand(data.path(), {"map", "link", l.code, l.slot, old.filePath(l.file)}).exitCode, 0);
    }
    // The folder moved, one file left behind and lost.
    for (const char *file : {"EDDF/a.jpg", "c.jpg"}) ASSERT_TRUE(QFile::rename(old.filePath(file), now.filePath(file)));
    ASSERT_TRUE(QFile::remove(old.filePath("EDDF/b.jpg")));
    const QByteArray missing = test::runCommand(data.path(), {"maps", "--missing"}).out;
    EXPECT_EQ(missing, QString("EDDF  0  a.jpg  %1\nEDDF  1  b.jpg  %2\nEDDM  0  c.jpg  %3\n")
                           .arg(old.filePath("EDDF/a.jpg"), old.filePath("EDDF/b.jpg"), old.filePath("c.jpg")).toUtf8());

    // Killed inside its transaction, the relink leaves every link as it was.
    ASSERT_TRUE(test::runKilledAt(data.path(), {"map", "relink", old.path(), now.path()}, "VOLMIRA_RELINK_PAUSE", "moved"));
    EXPECT_EQ(test::runCommand(data.path(), {"maps", "--missing"}).out, missing);
    const test::CommandResult relinked = test::runCommand(data.path(), {"map", "relink", old.path() + "/", now.path()});
    EXPECT_EQ(relinked.exitCode, 1);
    EXPECT_TRUE(relinked.out.contains("nicht umgesetzt (Datei fehlt dort): EDDF  1  b.jpg") &&
                relinked.out.endsWith("2 von 3 Verknüpfungen umgesetzt.\n")) << relinked.out.toStdString();
    EXPECT_EQ(test::runCommand(data.path(), {"maps", "--missing"}).out, QString("EDDF  1  b.jpg  %1\n").arg(old.filePath("EDDF/b.jpg")).toUtf8());
    EXPECT_EQ(pathOfFirstMap(data.path(), "EDDM"), now.filePath("c.jpg"));
    EXPECT_EQ(test::runCommand(data.path(), {"map", "relink", "/nirgends", now.path()}).exitCode, 1);
}
