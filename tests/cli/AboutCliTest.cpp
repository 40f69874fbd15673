#include "support/Command.h"
#include "support/QtPrinters.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Two imports of the shipped data's own airports, the older data imported first.
TEST(AboutCli, TwoImportsAreListedByDayOldestFirst) {
    QTemporaryDir dir;
    for (const auto &[codes, version] : {std::pair{"EDST", "05.12.2010"}, {"EDDF,EDDM,EDDH", "21.04.2010"}}) {
        ASSERT_EQ(volmira::test::runCommand(dir.path(), {"export", dir.filePath("u.crm"), "--icao", codes}).exitCode, 0);
        ASSERT_EQ(volmira::test::runCommand(dir.path(), {"import", dir.filePath("u.crm"), "--data-version", version})
                      .exitCode, 0);
    }
    const QJsonDocument about = QJsonDocument::fromJson(volmira::test::runCommand(dir.path(), {"about", "--json"}).out);
    QStringList days;
    for (const QJsonValue day : about["cmbDate"].toArray())
        days << day["text"].toString() + ' ' + day["lblCount"].toString() + ' ' + day["rows"][0]["ICAO"].toString() +
                    ' ' + day["rows"][0]["Date"].toString();
    EXPECT_EQ(days, QStringList({"21 Apr 2010 3 Flugplätze EDDF 21.04.2010", "05 Dez 2010 1 Flugplatz EDST 05.12.2010"}));
    EXPECT_EQ(about["lblData"].toString(), "Datenbank vom 21 Apr 2010");
}
