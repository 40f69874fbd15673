// Map links through the real executable on a copy of the shipped database.
#include "support/Command.h"
#include "support/Files.h"
#include "support/MapFiles.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira;

TEST(MapCli, ALinkedMapIsListedAndFoundAgainWhenTheDataFolderMoved) {
    auto data = std::make_unique<QTemporaryDir>();
    QTemporaryDir copy;
    const QString plan = data->filePath("Karten/Flughafen/plan.jpg");
    ASSERT_TRUE(QDir(data->path()).mkpath("Karten/Flughafen"));
    test::writeFile(plan, QByteArray("\xFF\xD8", 2) + test::frameHeader(0xC0, 2000, 1500));
    const test::CommandResult linked =
        test::runCommand(data->path(), {"map", "link", "EDDF", "0", plan, "--name", "Vorfeld"});
    ASSERT_EQ(linked.exitCode, 0) << linked.err.toStdString();
    const QJsonValue map = QJsonDocument::fromJson(test::runCommand(data->path(), {"maps", "EDDF", "--json"}).out)["maps"][0];
    EXPECT_EQ(QJsonDocument(map.toObject()).toJson(QJsonDocument::Compact),
              QString(R"({"Active":false,"File":"plan.jpg","Location":"%1","Name":"Vorfeld","Number":0,"exists":true,)"
                      R"("path":"%2","pixels":{"height":1500,"width":2000},"type":"JPEG","view":null})")
                  .arg(data->filePath("Karten/Flughafen"), plan)
                  .toUtf8());

    ASSERT_TRUE(QDir(copy.path()).mkpath("Karten/Flughafen"));
    for (const char *file : {"vmdata.vmd", "Karten/Flughafen/plan.jpg"})
        ASSERT_TRUE(QFile::copy(data->filePath(file), copy.filePath(file)));
    data.reset();
    const QJsonValue moved = QJsonDocument::fromJson(test::runCommand(copy.path(), {"maps", "EDDF", "--json"}).out)["maps"][0];
    EXPECT_EQ(moved["path"].toString(), copy.filePath("Karten/Flughafen/plan.jpg"));
    EXPECT_TRUE(moved["exists"].toBool());

    const QString text = copy.filePath("plan.txt");
    test::writeFile(text, "x");
    const struct {
        QStringList arguments;
        int exit;
    } refusals[] = {
        {{"map", "link", "EDDF", "10", plan}, 2},           {{"map", "link", "EDDF", "x", plan}, 2},
        {{"map", "link", "XXXX", "1", moved["path"].toString()}, 1},
        {{"map", "link", "EDDF", "1", copy.filePath("fehlt.jpg")}, 1},
        {{"map", "link", "EDDF", "1", text}, 1},             {{"map", "unlink", "EDDF", "4"}, 1},
        {{"map", "unlink", "EDDF"}, 2},                      {{"maps"}, 2},
        {{"maps", "XXXX"}, 1},
    };
    for (const auto &r : refusals) EXPECT_EQ(test::runCommand(copy.path(), r.arguments).exitCode, r.exit) << r.arguments.join(u' ').toStdString();
    EXPECT_EQ(test::runCommand(copy.path(), {"map", "unlink", "EDDF", "0"}).exitCode, 0);
    EXPECT_EQ(test::runCommand(copy.path(), {"maps", "EDDF"}).out, "EDDF\n  (keine Karten verknüpft)\n");
}
