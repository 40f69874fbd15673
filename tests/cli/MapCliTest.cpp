// Map links through the real executable on a copy of the shipped database.
#include "support/Command.h"
#include "support/Files.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira;

TEST(MapCli, ALinkedMapIsListedAndFoundAgainWhenTheDataFolderMoved) {
    auto data = std::make_unique<QTemporaryDir>();
    QTemporaryDir copy;
    const QString plan = data->filePath("Karten/Flughafen/plan.jpg"), text = copy.filePath("plan.txt");
    for (const QTemporaryDir *dir : {data.get(), &copy}) ASSERT_TRUE(QDir(dir->path()).mkpath("Karten/Flughafen"));
    test::writeFile(plan, QByteArray("\xFF\xD8\xFF\xC0\x00\x0B\x08\x05\xDC\x07\xD0\x01\x01\x11\x00", 15));  // 2000 x 1500
    ASSERT_EQ(test::runCommand(data->path(), {"map", "link", "EDDF", "0", plan, "--name", "Vorfeld"}).exitCode, 0);
    const auto map = [](const QString &folder) {
        return QJsonDocument(QJsonDocument::fromJson(test::runCommand(folder, {"maps", "EDDF", "--json"}).out)["maps"][0].toObject());
    };
    EXPECT_EQ(map(data->path()).toJson(QJsonDocument::Compact),
              QString(R"({"Active":false,"File":"plan.jpg","Location":"%1","Name":"Vorfeld","Number":0,"ValidUntil":"","exists":true,"path":"%2",)"
                      R"("pixels":{"height":1500,"width":2000},"type":"JPEG","view":null})").arg(data->filePath("Karten/Flughafen"), plan).toUtf8());
    for (const char *file : {"vmdata.vmd", "Karten/Flughafen/plan.jpg"}) ASSERT_TRUE(QFile::copy(data->filePath(file), copy.filePath(file)));
    data.reset();
    const QJsonDocument moved = map(copy.path());
    EXPECT_EQ(std::pair(moved["path"].toString(), moved["exists"].toBool()), std::pair(copy.filePath("Karten/Flughafen/plan.jpg"), true));

    test::writeFile(text, "x");
    const struct { QStringList arguments; int exit; } refusals[] = {
        {{"map", "link", "EDDF", "10", plan}, 2}, {{"map", "link", "EDDF", "x", plan}, 2}, {{"map", "link", "XXXX", "1", moved["path"].toString()}, 1},
        {{"map", "link", "EDDF", "1", copy.filePath("fehlt.jpg")}, 1}, {{"map", "link", "EDDF", "1", text}, 1},
        {{"map", "unlink", "EDDF", "4"}, 1}, {{"map", "unlink", "EDDF"}, 2}, {{"maps"}, 2}, {{"maps", "XXXX"}, 1},
        {{"map", "unlink", "EDDF", "0"}, 0}};
    for (const auto &r : refusals) EXPECT_EQ(test::runCommand(copy.path(), r.arguments).exitCode, r.exit) << r.arguments.join(u' ').toStdString();
    EXPECT_EQ(test::runCommand(copy.path(), {"maps", "EDDF"}).out, "EDDF\n  (keine Karten verknüpft)\n");
}
