// The about command through the real executable, after imports on the shipped database.
#include "support/Command.h"
#include "support/Files.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira;
using test::runCommand;

namespace {

// Each entry of the date list as "text | lblCount | codes".
QStringList datesOf(const QJsonDocument &about) {
    QStringList dates;
    for (const QJsonValue day : about["cmbDate"].toArray()) {
        QStringList codes;
        for (const QJsonValue row : day["rows"].toArray()) codes << row["ICAO"].toString() + ' ' + row["Date"].toString();
        dates << day["text"].toString() + " | " + day["lblCount"].toString() + " | " + codes.join(", ");
    }
    return dates;
}

}  // namespace

TEST(AboutCli, TwoImportsAreListedByDayOldestFirstAndADamagedHistoryStillShowsTheRest) {
    QTemporaryDir dir;
    const QString data = dir.path();
    const struct {
        const char *codes, *version;
    } imports[] = {{"EDST", "05.12.2010"}, {"EDDF,EDDM,EDDH", "21.04.2010"}};
    for (const auto &i : imports) {
        const QString file = dir.filePath(QString::fromLatin1(i.version) + ".crm");
        ASSERT_EQ(runCommand(data, {"export", file, "--icao", i.codes}).exitCode, 0);
        const test::CommandResult imported = runCommand(data, {"import", file, "--data-version", i.version});
        ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    }
    const test::CommandResult about = runCommand(data, {"about", "--json"});
    ASSERT_EQ(about.exitCode, 0) << about.err.toStdString();
    const QJsonDocument shown = QJsonDocument::fromJson(about.out);
    EXPECT_EQ(datesOf(shown), QStringList({"21 Apr 2010 | 3 Flugplätze | EDDF 21.04.2010, EDDM 21.04.2010, "
                                           "EDDH 21.04.2010",
                                           "05 Dez 2010 | 1 Flugplatz | EDST 05.12.2010"}));
    EXPECT_EQ(shown["lblData"].toString(), "Datenbank vom 21 Apr 2010");
    EXPECT_EQ(shown["listUpdate"].toArray().size(), 6);

    test::writeFile(QDir(data).filePath("UpdateInfo.crm"), "kein Verlauf");
    const test::CommandResult damaged = runCommand(data, {"about", "--json"});
    EXPECT_EQ(damaged.exitCode, 3);
    EXPECT_TRUE(damaged.err.contains("UpdateInfo.crm")) << damaged.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(damaged.out)["lblData"].toString(), "Datenbank vom 21 Apr 2010");
    EXPECT_TRUE(datesOf(QJsonDocument::fromJson(damaged.out)).isEmpty());
}
