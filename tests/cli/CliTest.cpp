// Runs the real executable on a copy of the shipped database.
#include "support/DamagedFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Result {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

class Cli : public ::testing::Test {
protected:
    QTemporaryDir dir;

    Result run(QStringList arguments) {
        arguments << "--data-dir" << dir.path();
        QProcess process;
        process.start(VOLMIRA_EXECUTABLE, arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitCode(), process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
    }

    QJsonDocument json(QStringList arguments) {
        const Result r = run(arguments << "--json");
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return QJsonDocument::fromJson(r.out);
    }

    QByteArray databaseHash() {
        QFile file(dir.filePath("vmdata.vmd"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }
};

}  // namespace

TEST_F(Cli, LookupShowsTheAirportAndChangesNothing) {
    const QJsonObject eddf = json({"lookup", "EDDF", "--date", "2026-06-21"}).object();
    const QByteArray before = databaseHash();  // the first command copied the shipped database

    EXPECT_EQ(eddf["icao"].toString(), "EDDF");
    EXPECT_EQ(eddf["type"].toString(), "VLP");
    EXPECT_EQ(eddf["colours"].toString(), "VLP");
    const QJsonArray fields = eddf["fields"].toArray();
    ASSERT_EQ(fields.size(), 7);
    EXPECT_TRUE(fields[0].toString().contains("Frankfurt"));
    EXPECT_TRUE(fields[1].toString().startsWith("5001."));
    EXPECT_EQ(fields[2].toString(), "VAR 4 E");
    EXPECT_TRUE(fields[3].toString().startsWith("ELEV: 364 ft / 111 m"));
    EXPECT_EQ(fields[4].toString(), "EDDF");
    EXPECT_GE(eddf["runways"].toArray().size(), 4);
    EXPECT_EQ(eddf["runways"].toArray()[0].toObject()["SURFACE"].toInt(), 0);
    EXPECT_GE(eddf["frequencies"].toArray().size(), 3);
    EXPECT_TRUE(eddf["sunrise"].toString().startsWith("Sonnenaufgang:      03:"));
    EXPECT_TRUE(eddf["sunset"].toString().endsWith(" [ UTC ]"));
    EXPECT_TRUE(eddf["title"].toString().startsWith("Volmira EDDF" + QString(27, ' ') + "Letzte Aktualisierung - "));

    // The IATA code, in lower case with blanks, finds the same airport.
    EXPECT_EQ(json({"lookup", " fra "}).object()["icao"].toString(), "EDDF");
    EXPECT_EQ(databaseHash(), before);
}

TEST_F(Cli, LookupWithoutCodeShowsTheLastAirport) {
    // A new installation opens on EDHN; afterwards on what the window saved.
    EXPECT_EQ(json({"lookup"}).object()["icao"].toString(), "EDHN");
    QFile settings(dir.filePath("Apt.crm"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("\"EDDF\"\r\n");
    settings.close();
    EXPECT_EQ(json({"lookup"}).object()["icao"].toString(), "EDDF");
}

TEST_F(Cli, LookupWithoutMatchSaysSoInGerman) {
    const Result r = run({"lookup", "QQQQ"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("Es wurde kein Flughafen gefunden"));
    EXPECT_EQ(run({"lookup", "XQX"}).exitCode, 1);  // three characters: IATA only
}

TEST_F(Cli, FindAndCountriesGiveRealData) {
    const QJsonArray hits = json({"find", "frankfurt"}).array();
    ASSERT_GE(hits.size(), 2);
    QStringList codes;
    for (const auto &hit : hits) {
        EXPECT_TRUE(hit.toObject()["NAME"].toString().startsWith("Frankfurt", Qt::CaseInsensitive));
        codes << hit.toObject()["ICAO"].toString();
    }
    EXPECT_TRUE(codes.contains("EDDF"));

    const QJsonObject countries = json({"countries"}).object();
    int sum = 0;
    bool germany = false;
    for (const auto &c : countries["countries"].toArray()) {
        sum += c.toObject()["Anzahl"].toInt();
        if (c.toObject()["ICAO"].toString() == "ED") {
            germany = true;
            EXPECT_EQ(c.toObject()["Name"].toString(), "Deutschland");
        }
    }
    EXPECT_TRUE(germany);
    EXPECT_EQ(sum, countries["total"].toInt());
    EXPECT_GT(sum, 19000);
}

TEST_F(Cli, UsageAndDataErrorsHaveTheirExitCodes) {
    EXPECT_EQ(run({"lookup", "EDDF", "EDDM"}).exitCode, 2);
    EXPECT_EQ(run({"lookup", "EDDF", "--date", "21.06.2026"}).exitCode, 2);
    EXPECT_EQ(run({"nonsense"}).exitCode, 2);
    EXPECT_EQ(run({"find", "x", "--bogus"}).exitCode, 2);

    QFile broken(dir.filePath("vmdata.vmd"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray(4096, 'x'));
    broken.close();
    const Result r = run({"lookup", "EDDF"});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_FALSE(r.err.isEmpty());
}

TEST_F(Cli, ADamagedTableIsADataErrorNotAnEmptyAnswer) {
    ASSERT_EQ(run({"countries"}).exitCode, 0);  // copies the shipped database
    for (const char *table : {"RWY", "ARPT"}) {
        ASSERT_TRUE(volmira::test::damageTable(dir.filePath("vmdata.vmd"), table)) << table;
        for (const QStringList &command : {QStringList{"lookup", "EDDF"}, QStringList{"countries"}, QStringList{"find", "Frank"}}) {
            if (QString(table) == "RWY" && command[0] != "lookup") continue;
            const Result r = run(command);
            EXPECT_EQ(r.exitCode, 3) << table << " " << command.join(' ').toStdString();
            EXPECT_TRUE(r.err.contains("beschädigt")) << r.err.toStdString();
        }
    }
}

TEST_F(Cli, WithoutACommandTheDesktopProgramStarts) {
    const Result r = run({"--screenshot", dir.filePath("fenster.png")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath("fenster.png")));
}
