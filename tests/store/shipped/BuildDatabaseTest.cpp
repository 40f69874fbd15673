#include "store/shipped/BuildDatabase.h"

#include "store/Database.h"
#include "support/Files.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

using namespace volmira::store;
using namespace volmira::store::shipped;

namespace {

const QString kModelDir = QStringLiteral(VOLMIRA_SOURCE_DIR "/data/wmm/magnetic");

const char *kAirports =
    "icao,type,name,latitude_deg,longitude_deg,elevation_ft,municipality,scheduled_service,iata_code\n"
    "EDDF,large_airport,Frankfurt Main Airport,50.026706,8.55835,364,Frankfurt am Main,yes,FRA\n"
    "EDXN,small_airport,Ohne Position,,,100,Nirgendwo,no,\n"
    "SAWH,small_airport,\"Ushuaia, Malvinas Argentinas\",-54.8433,-68.295799,102,Ushuaia,yes,USH\n"
    "EDKV,small_airport,Dahlemer Binz,50.405602,6.52889,, Dahlem ,no,\n"
    "EDLM,medium_airport,Marl,51.647202,7.16333,40000,,no,\n";

// Other names: several in one field, a blank one, one of an airport left out and one unknown.
const char *kKeywords =
    "icao,keywords\n"
    "EDDF,\"EDAF, Frankfurt am Main,  Rhein-Main Air Base,\"\n"
    "EDXN,Nirgends\n"
    "ZZZZ,Unbekannt\n"
    "edkv,Binz\n";

const char *kRunways =
    "icao,length_ft,width_ft,surface,lighted,le_ident,le_heading_degT,he_ident,he_heading_degT\n"
    "EDDF,13123,148,CON,1,07R,69.6,25L,249.6\n"
    "EDDF,9186,148,Grass,1,18,,36,\n"
    "EDDF,9186,148,Grass,1,18,,36,\n"
    "EDDF,98,98,ASPH,1,H-NORTH,72,,\n"
    "EDKV,3280,,ASP,0,H1,,24,\n"
    "EDKV,1500,50,GRS,0,H1,,H2,\n"
    "EDKV,,50,GRS,0,06,,24,\n"
    "EDKV,0,50,GRS,0,06,,24,\n"
    "EDKV,1000,-50,ASP,0,09,,27,\n"
    "EDXN,2000,50,ASP,0,09,,27,\n"
    "ZZZZ,2000,50,ASP,0,09,,27,\n";

const char *kFrequencies =
    "icao,type,description,frequency_mhz\n"
    "EDDF,TWR,Frankfurt Tower,119.9\n"
    "EDDF,TWR,Frankfurt Tower,119.9\n"
    "EDDF,CLD,Frankfurt Delivery (Initial Call),121.9\n"
    "EDDF,ATIS,,118.03\n"
    "EDDF,INFO,\"Langen \"\"Info\"\"\",123.525\n"
    "EDDF,TWR,kaputt,0\n"
    "EDDF,OPS,RAAF AIR OPS,1123.5\n"
    "EDDF,TWR,ohne Wert,\n"
    "EDXN,TWR,x,120\n";

const char *kPrefixes =
    "prefix,iso_country,country_name_en,country_name_de,airport_count,other_countries,country_name_de_common\n"
    "ED,DE,Germany,Deutschland,3,,Deutschland\n"
    "SA,AR,Argentina,Argentinien,1,,Argentinien\n";

using volmira::test::readFile;
void write(const QString &path, const QByteArray &text) { volmira::test::writeFile(path, text); }

class BuildDatabaseTest : public ::testing::Test {
public:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QDir(dir_.path()).mkdir(QStringLiteral("src"));
        write(source("airports.csv"), kAirports);
        write(source("runways.csv"), kRunways);
        write(source("frequencies.csv"), kFrequencies);
        write(source("icao_prefixes.csv"), kPrefixes);
        write(source("keywords.csv"), kKeywords);
        options_.sourceDir = dir_.filePath(QStringLiteral("src"));
        options_.wmmDir = kModelDir;
        options_.outFile = dir_.filePath(QStringLiteral("vmdata.vmd"));
        options_.dataDate = QStringLiteral("2026-08-07");
        options_.programVersion = QStringLiteral("1.2.3");
    }

    QString source(const char *name) const { return dir_.filePath(QStringLiteral("src/") + QString::fromLatin1(name)); }

    // Files in the output folder other than the sources.
    QStringList outputFiles() const {
        return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    QTemporaryDir dir_;
    BuildOptions options_;
};

// The first row of a query, its columns joined by "|"; NULL shows as "NULL".
QString firstRow(Database &db, const char *sql) {
    volmira::store::Statement &statement = db.prepare(sql);
    if (statement.failed()) return db.lastError();
    QStringList columns;
    if (statement.next())
        for (int i = 0; i < statement.columnCount(); ++i)
            columns << statement.optText(i).value_or(QStringLiteral("NULL"));
    return columns.join(QLatin1Char('|'));
}

TEST_F(BuildDatabaseTest, ConvertsTheRows) {
    const BuildReport report = buildDatabase(options_);
    ASSERT_EQ(report.error, QString());
    EXPECT_EQ(report.dataDate, QStringLiteral("2026-08-07"));
    EXPECT_EQ((std::vector<int>{report.airports, report.airportsWithoutCoordinates, report.elevationsOutOfRange,
                                report.runways, report.runwaysWithoutDesignator, report.runwaysWithoutLength,
                                report.runwaysWithoutAirport, report.runwaysOutOfRange, report.frequencies,
                                report.frequenciesWithoutValue, report.frequenciesOutOfRange,
                                report.frequenciesWithoutAirport, report.iataCodes, report.countries,
                                report.helipads, report.textsFitted, report.duplicateRows, report.cities,
                                report.otherNames}),
              (std::vector<int>{4, 1, 1, 3, 0, 2, 2, 1, 4, 1, 2, 1, 2, 2, 2, 1, 2, 3, 4}));
    EXPECT_EQ(outputFiles(), QStringList{"vmdata.vmd"});

    Database db;
    ASSERT_TRUE(db.open(options_.outFile, Database::Mode::ReadOnly).ok());
    struct Case {
        const char *sql, *row;
    };
    const std::vector<Case> cases{
        {"SELECT count(*) FROM ARPT WHERE ICAO = 'EDXN'", "0"},
        {"SELECT Name, COORDINATES, round(WGS_DLAT, 6), round(WGS_DLONG, 6), ELEV, MAG_VAR, Type, RwyALen, RwyGLen, "
         "PR, Date, Time, LastDate FROM ARPT WHERE ICAO = 'EDDF'",
         "Frankfurt Main Airport|5001.6 N / 00833.5 E|50.026667|8.558333|364|4|VLP|4000|2800|NULL|2026-08-07|"
         "00:00:00|NULL"},
        // The import's rules: no helipad as a runway, no row twice, long names abbreviated.
        {"SELECT group_concat(RWY, ', ') FROM RWY WHERE ICAO = 'EDDF'", "07R / 25L, 18 / 36"},
        {"SELECT group_concat(Name, ', ') FROM ACOM WHERE ICAO = 'EDDF' AND FREQ IN ('119.900', '121.900')",
         "FRANKFURT TOWER, FRANKFURT DEL (INITIAL CALL)"},
        // South and west: the letters carry the hemisphere, the degrees are unsigned.
        {"SELECT Name, COORDINATES, round(WGS_DLAT, 6), round(WGS_DLONG, 6), Type, RwyALen, RwyGLen FROM ARPT "
         "WHERE ICAO = 'SAWH'",
         "Ushuaia, Malvinas Argentinas|5450.6 S / 06817.7 W|54.843333|68.295|VLP|0|0"},
        {"SELECT ELEV, MAG_VAR BETWEEN 1 AND 4, Type FROM ARPT WHERE ICAO = 'EDKV'", "NULL|1|SLP"},
        {"SELECT Type, ELEV FROM ARPT WHERE ICAO = 'EDLM'", "VLP|NULL"},  // a medium airport
        {"SELECT ICAO, RWY, RwyLow, RwyHigh, RWYHDG, SLOPE, Length, Width, SURFACE, Date, Time FROM RWY "
         "ORDER BY id LIMIT 1",
         "EDDF|07R / 25L|07R|25L|066 / 246|NULL|4000|45|0|2026-08-07|00:00:00"},
        {"SELECT count(*) FROM ACOM WHERE FREQ = '123.525' AND Name = 'LANGEN \"INFO\"'", "1"},
        {"SELECT group_concat(IATA || ' ' || ICAO, ', ') FROM AirportCode", "FRA EDDF, USH SAWH"},
        {"SELECT group_concat(ICAO || ' ' || Name, ', ') FROM ICAOCODE", "ED Deutschland, SA Argentinien"},
        {"SELECT DatabaseVersion, ProgramVersion FROM Version", "07.08.2026|1.2.3"},
        // Cities and other names for the quick find, beside the words of the names.
        {"SELECT group_concat(ICAO || ' ' || Name, ', ') FROM (SELECT DISTINCT ICAO, Source, Name FROM SearchName "
         "WHERE Source IN (1, 2) ORDER BY ICAO, Source, Name)",
         "EDDF Frankfurt am Main, EDDF EDAF, EDDF Frankfurt am Main, EDDF Rhein-Main Air Base, EDKV Dahlem, "
         "EDKV Binz, SAWH Ushuaia"},
        {"SELECT group_concat(Name, ', ') FROM (SELECT Name FROM SearchName WHERE ICAO = 'EDDF' AND Source = 3 "
         "ORDER BY Name)",
         "Airport, Main"},
    };
    for (const Case &c : cases) EXPECT_EQ(firstRow(db, c.sql), QString::fromUtf8(c.row)) << c.sql;
}

TEST_F(BuildDatabaseTest, DataDateComesFromTheExtractWhenNotGiven) {
    options_.dataDate.clear();
    write(source("DATA-DATE"), "2027-03-15\n");
    ASSERT_EQ(buildDatabase(options_).error, QString());
    Database db;
    ASSERT_TRUE(db.open(options_.outFile, Database::Mode::ReadOnly).ok());
    EXPECT_EQ(firstRow(db, "SELECT DatabaseVersion, (SELECT Date FROM ARPT LIMIT 1) FROM Version"),
              QStringLiteral("15.03.2027|2027-03-15"));
}

std::function<void(BuildDatabaseTest &)> addAirport(const char *line) {
    return [line](BuildDatabaseTest &t) { write(t.source("airports.csv"), QByteArray(kAirports) + line); };
}

// A failed build says why and leaves an existing database untouched, with no
// half-written file beside it.
TEST_F(BuildDatabaseTest, FailureLeavesTheOldFile) {
    struct Case {
        const char *name;
        std::function<void(BuildDatabaseTest &)> damage;
        QString error;             // the message begins so; %1 stands for the file
        const char *file = nullptr;
    };
    const std::vector<Case> cases{
        {"duplicate code", addAirport("EDDF,small_airport,Noch einmal,50,8,,,no,\n"),
         QStringLiteral("Datei %1, Zeile 7: Der ICAO-Code EDDF steht schon in Zeile 2."), "airports.csv"},
        {"missing file", [](BuildDatabaseTest &t) { QFile::remove(t.source("icao_prefixes.csv")); },
         QStringLiteral("Die Datei %1 fehlt."), "icao_prefixes.csv"},
        {"code with a blank", addAirport("ED X,small_airport,Leer,50,8,,,no,\n"),
         QStringLiteral("Datei %1, Zeile 7: Der ICAO-Code „ED X“ ist ungültig: erlaubt sind nur die Buchstaben A bis Z, "
                        "Ziffern und „-“."),
         "airports.csv"},
        {"malformed date", [](BuildDatabaseTest &t) { t.options_.dataDate = "7.8.2026"; },
         QStringLiteral("Das Datendatum »7.8.2026« ist kein Datum der Form JJJJ-MM-TT.")},
    };
    for (const Case &c : cases) {
        SetUp();
        write(options_.outFile, "alte Datenbank");
        c.damage(*this);
        const BuildReport report = buildDatabase(options_);
        const QString expected = c.file ? c.error.arg(QDir::toNativeSeparators(source(c.file))) : c.error;
        EXPECT_TRUE(report.error.startsWith(expected)) << c.name << ": " << report.error.toStdString();
        EXPECT_EQ(report.airports, 0) << c.name;
        EXPECT_EQ(readFile(options_.outFile), "alte Datenbank") << c.name;
        EXPECT_EQ(outputFiles(), QStringList{"vmdata.vmd"}) << c.name;
    }
}

TEST_F(BuildDatabaseTest, GermanSubset) {
    options_.sourceDir = QStringLiteral(VOLMIRA_SOURCE_DIR "/tests/data/subset-de");
    const BuildReport report = buildDatabase(options_);
    ASSERT_EQ(report.error, QString());
    // Every data row is either written or counted under one reason.
    EXPECT_EQ(report.airports + report.airportsWithoutCoordinates, 479);
    // Duplicates are runways and frequencies alike: 469 runway and 1210 frequency rows.
    EXPECT_EQ(report.runways + report.runwaysWithoutLength + report.runwaysWithoutDesignator + report.helipads +
                  report.runwaysWithoutAirport + report.runwaysOutOfRange + report.frequencies +
                  report.frequenciesWithoutValue + report.frequenciesOutOfRange + report.frequenciesWithoutAirport +
                  report.duplicateRows,
              469 + 1210);

    Database db;
    ASSERT_TRUE(db.open(options_.outFile, Database::Mode::ReadOnly).ok());
    EXPECT_EQ(firstRow(db, "SELECT (SELECT count(*) FROM ARPT), (SELECT count(*) FROM RWY), (SELECT count(*) FROM ACOM), "
                           "(SELECT count(*) FROM AirportCode), (SELECT count(*) FROM ICAOCODE)"),
              QStringLiteral("%1|%2|%3|%4|%5").arg(report.airports).arg(report.runways).arg(report.frequencies)
                  .arg(report.iataCodes).arg(report.countries));
    EXPECT_EQ(firstRow(db, "SELECT count(*) FROM RWY WHERE RWYHDG IS NULL OR length(RWYHDG) <> 9"), "0");
}

}  // namespace
