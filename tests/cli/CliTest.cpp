// Runs the real executable on a copy of the shipped database.
#include "support/Command.h"
#include "support/DamagedFile.h"
#include "support/Files.h"
#include "support/Reckoning.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace volmira::test;

namespace {

class Cli : public ::testing::Test {
protected:
    QTemporaryDir dir;

    CommandResult run(const QStringList &arguments) { return runCommand(dir.path(), arguments); }
    QJsonDocument json(QStringList arguments) {
        const CommandResult r = run(arguments << "--json");
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return QJsonDocument::fromJson(r.out);
    }
    QString database() const { return dir.filePath("vmdata.vmd"); }
};

// The initial course on a sphere, within 0.2 degrees of the ellipsoid's.
double sphericalCourse(double lat1, double lon1, double lat2, double lon2) {
    const double p1 = lat1 * kRadians, p2 = lat2 * kRadians, dl = (lon2 - lon1) * kRadians;
    return std::atan2(std::sin(dl) * std::cos(p2), std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(dl)) / kRadians;
}

}  // namespace

TEST_F(Cli, LookupShowsTheAirportAndChangesNothing) {
    const QJsonObject eddf = json({"lookup", "EDDF", "--date", "2026-06-21"}).object();
    const QByteArray before = fileHash(database());  // the first command copied the shipped database
    EXPECT_TRUE(eddf["fields"].toArray()[3].toString().startsWith("ELEV: 364 ft / 111 m"));
    EXPECT_GE(eddf["runways"].toArray().size(), 4);
    EXPECT_GE(eddf["frequencies"].toArray().size(), 3);
    EXPECT_TRUE(eddf["sunrise"].toString().startsWith("Sonnenaufgang:      03:"));
    EXPECT_TRUE(eddf["title"].toString().startsWith("Volmira EDDF "));
    EXPECT_EQ(fileHash(database()), before);

    writeFile(dir.filePath("Apt.crm"), "\"EDDF\"\r\n");  // without a code: the window's last airport
    EXPECT_EQ(json({"lookup"}).object()["icao"].toString(), "EDDF");
    const CommandResult missing = run({"lookup", "QQQQ"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("Es wurde kein Flughafen gefunden"));
}

TEST_F(Cli, FindAndCountriesGiveRealData) {
    QStringList codes;
    for (const auto &hit : json({"find", "frankfurt"}).array()) codes << hit.toObject()["ICAO"].toString();
    EXPECT_TRUE(codes.contains("EDDF"));
    // The names a German pilot uses, where the shipped names are English.
    for (const auto &[typed, icao] : {std::pair{"Köln", "EDDK"}, {"Koeln", "EDDK"}, {"München", "EDDM"},
                                      {"Nürnberg", "EDDN"}}) {
        const QJsonArray hits = json({"find", typed}).array();
        EXPECT_EQ(hits.first().toObject()["ICAO"].toString(), icao) << typed;
    }
    // Names beginning with "Main" first, then Frankfurt Main Airport by a word of its name.
    const QJsonArray main = json({"find", "Main"}).array();
    EXPECT_EQ(main.first().toObject()["Treffer"].toString(), "Name");
    EXPECT_TRUE(main.contains(QJsonObject{{"ICAO", "EDDF"},
                                          {"NAME", "Frankfurt Main Airport"},
                                          {"Ort", "Frankfurt am Main"},
                                          {"Land", "Deutschland"},
                                          {"Treffer", "Wort im Namen"}}));
    const CommandResult none = run({"find", "Qxyzzy"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.err, "kein Treffer\n");

    const QJsonObject countries = json({"countries"}).object();
    int sum = 0;
    for (const auto &c : countries["countries"].toArray()) sum += c.toObject()["Anzahl"].toInt();
    EXPECT_EQ(sum, countries["total"].toInt());
    EXPECT_GT(sum, 19000);
}

TEST_F(Cli, UsageErrorsHaveExitTwo) {
    for (const QStringList &usage : {QStringList{"lookup", "EDDF", "EDDM"}, {"lookup", "EDDF", "--date", "21.06.2026"},
                                     {"nonsense"}, {"find", "x", "--bogus"}, {"lookup", "--data-dir", ""},
                                     {"import", "x.crm", "--data-version", "gestern"}, {"export", "x.crm", "--all", "--icao", "EDDF"},
                                     {"list", "EDD", "--length", "3000"}, {"lookup", "EDDF", "--surface", "hard", "--pdf", "x"},
                                     {"print", "ED", "--pdf", "x.pdf", "--length", "3"}, {"distance", "EDDF"}})
        EXPECT_EQ(run(usage).exitCode, 2) << usage.join(' ').toStdString();
}

TEST_F(Cli, ADamagedTableIsADataErrorNotAnEmptyAnswer) {
    ASSERT_EQ(run({"countries"}).exitCode, 0);  // copies the shipped database
    for (const char *table : {"RWY", "ARPT"}) {
        ASSERT_TRUE(damageTable(database(), table)) << table;
        for (const QStringList &command : {QStringList{"lookup", "EDDF"}, QStringList{"countries"}, QStringList{"find", "Frank"}}) {
            if (QString(table) == "RWY" && command[0] != "lookup") continue;
            const CommandResult r = run(command);
            EXPECT_EQ(r.exitCode, 3) << table << " " << command.join(' ').toStdString();
            EXPECT_TRUE(r.err.contains("beschädigt")) << r.err.toStdString();
        }
    }
}

TEST_F(Cli, WithoutACommandTheDesktopProgramStarts) {
    const CommandResult r = run({"--screenshot", dir.filePath("fenster.png")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath("fenster.png")));
}

// An escape sequence stored in a name could clear or rewrite the terminal.
TEST_F(Cli, TextOutputShowsControlCharactersAsPlaceholders) {
    ASSERT_EQ(run({"countries"}).exitCode, 0);  // installs the shipped database
    executeSql(database(), "UPDATE ARPT SET Name = 'Frank' || char(27) || '[2J' || char(13) || 'furt', "
                           "LastDate = '2099-01-01' WHERE ICAO = 'EDDF'; "
                           "UPDATE ICAOCODE SET Name = 'Deutsch' || char(27) || 'land' WHERE ICAO = 'ED'");
    for (const QStringList &command : {QStringList{"lookup", "EDDF"}, {"find", "frank"}, {"changed"}, {"countries"}}) {
        const CommandResult r = run(command);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_FALSE(r.out.contains('\x1b') || r.out.contains('\r')) << command.join(' ').toStdString();
        EXPECT_TRUE(r.out.contains("\xEF\xBF\xBD[2J\xEF\xBF\xBD") || r.out.contains("Deutsch\xEF\xBF\xBDland"))
            << command.join(' ').toStdString();
    }
}

TEST_F(Cli, DistanceAndCoursesAgreeWithIndependentReckoningsOnTheRawCoordinates) {
    // From airports.csv: MUC an IATA code as lookup reads it, across the antimeridian, near the pole.
    const std::tuple<const char *, const char *, double, double, double, double> legs[] = {
        {"EDDF", "MUC", 50.026706, 8.55835, 48.353802, 11.7861}, {"EDDF", "KJFK", 50.026706, 8.55835, 40.639447, -73.779317},
        {"NZAA", "PHNL", -37.01199, 174.786331, 21.318387, -157.92567}, {"ENSB", "PABR", 78.246101, 15.4656, 71.285402, -156.766008}};
    for (const auto &[from, to, lat1, lon1, lat2, lon2] : legs) {
        const QJsonObject r = json({"distance", from, to}).object();
        EXPECT_NEAR(r["nm"].toDouble(), andoyerNauticalMiles(lat1, lon1, lat2, lon2), 0.1) << to;
        const double initial = sphericalCourse(lat1, lon1, lat2, lon2), back = sphericalCourse(lat2, lon2, lat1, lon1);
        for (const auto &[key, course] : {std::pair{"trueCourse", initial}, {"finalTrueCourse", back + 180},
                                          {"magneticCourse", initial - r["variation"].toDouble()}})
            EXPECT_NEAR(std::remainder(r[key].toInt(-1) - course, 360), 0, 1) << to << ' ' << key;
    }
    // From the stored positions, a tenth of a minute each: 161.94 NM on the raw ones.
    EXPECT_TRUE(run({"distance", "EDDF", "EDDM"}).out.startsWith("EDDF → EDDM: 162,0 NM (300,0 km)\nAnfangskurs rechtweisend: 127°"));
    const CommandResult missing = run({"distance", "EDDF", "QQQQ"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("Es wurde kein Flughafen gefunden: QQQQ")) << missing.err.toStdString();
}
