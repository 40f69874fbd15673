// The editing commands through the real executable on a copy of the shipped
// database (EDHN has no runways and two frequencies there).
#include "store/Database.h"
#include "store/Stamp.h"

#include "support/Command.h"
#include "support/Files.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace volmira;
using test::CommandResult;

namespace {

// A command line, its exit status and what it shows: a text of its output when
// it wrote, else the start of its error output (the whole line for exit 1).
struct Call {
    QStringList arguments;
    int exit;
    QString shows;
};

void expectCall(const QString &folder, const Call &call) {
    const CommandResult r = test::runCommand(folder, call.arguments);
    const std::string line = call.arguments.join(' ').toStdString();
    EXPECT_EQ(r.exitCode, call.exit) << line << "\n" << r.err.toStdString();
    if (call.exit == 0) {
        EXPECT_TRUE(QString::fromUtf8(r.out).contains(call.shows)) << line << "\n" << r.out.toStdString();
    } else if (call.exit == 1) {
        EXPECT_EQ(r.err, call.shows + "\n") << line;
    } else {
        EXPECT_TRUE(r.err.startsWith(call.shows)) << line << "\n" << r.err.toStdString();
    }
}

QJsonObject written(const QString &folder, QStringList arguments) {
    const CommandResult r = test::runCommand(folder, arguments << "--json");
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return QJsonDocument::fromJson(r.out).object();
}

const QStringList kEddx{"--name", "Testplatz", "--coordinates", "4907,1 N / 00946.5 E", "--elev", "500m", "--var", "2W"};

}  // namespace

TEST(EditCli, RunwayAddAndDeletingTheLastRunwayPrintTheRowAndTheLengths) {
    QTemporaryDir dir;
    const QJsonObject added = written(dir.path(), {"runway", "add", "EDHN", "--rwy", "07l", "--hdg", "66", "--length",
                                                   "800.4", "--width", "23", "--surface", "gras"});
    const QJsonObject runway = added["runway"].toObject();
    EXPECT_EQ(runway["RWY"].toString(), "07L / 25R");
    EXPECT_EQ(runway["RWYHDG"].toString(), "066 / 246");
    EXPECT_EQ(runway["Length"].toInt(), 800);
    EXPECT_EQ(runway["SURFACE"].toInt(), 1);
    EXPECT_EQ(added["RwyGLen"].toInt(), 800);
    const QJsonObject deleted = written(dir.path(), {"runway", "delete", "edhn", "25R"});
    EXPECT_EQ(deleted["action"].toString(), "delete");
    EXPECT_EQ(deleted["RwyALen"], 0);
    EXPECT_EQ(deleted["RwyGLen"], 0);

    const QJsonObject eddx = written(dir.path(), QStringList{"airport", "add", "eddx"} + kEddx)["airport"].toObject();
    EXPECT_EQ(eddx["ICAO"].toString(), "EDDX");
    EXPECT_NEAR(eddx["WGS_DLAT"].toDouble(), 49.118333, 1e-6);
    EXPECT_EQ(eddx["WGS_DLONG"].toDouble(), 9.775);
    EXPECT_EQ(eddx["ELEV"].toDouble(), 1640);
    EXPECT_EQ(eddx["MAG_VAR"].toDouble(), -2);
    EXPECT_TRUE(test::runCommand(dir.path(), {"changed"}).out.contains("EDDX"));
}

TEST(EditCli, EachCommandWritesOrSaysWhyNot) {
    QTemporaryDir dir;
    const QString question = "Die Landebahn ( 9 ) wurde nicht gefunden. Soll der Anflug trotzdem hinzugefügt werden ? ";
    const std::vector<Call> calls{
        {{"runway", "add", "EDHN", "--rwy", "07l", "--hdg", "66", "--length", "800", "--width", "23"}, 0, "RwyALen 800 m, RwyGLen 0 m"},
        {{"runway", "change", "edhn", "07L / 25R", "--length", "1.200", "--surface", "GRAS", "--slope", ""}, 0, "RwyALen 0 m, RwyGLen 1200 m"},
        {{"runway", "change", "EDHN", "25R", "--length", "1.2.0"}, 2, "Datenfehler bei Landebahnlänge - Bitte Daten überprüfen"},
        {{"runway", "add", "EDHN", "--rwy", "9"}, 1, "Fehler bei Dateneingabe - RWY Heading.(Eingabebeispiel, 182, 020, 005)"},
        {{"runway", "change", "EDHN", "#1", "--rwy", "07X"}, 1,
         "Fehlerbei der Landebahn Dateneingabe - Bitte nur R, L oder C für die Landebahnbezeichnung verwenden."},
        {{"runway", "change", "EDHN", "25R", "--width", "0"}, 1, "Datenfehler bei Landebahnbreite - Bitte Daten überprüfen"},
        {{"frequency", "add", "EDHN", "TOWER", "118.5"}, 0, "EDHN: Frequenz TOWER 118.5 hinzugefügt"},
        {{"frequency", "add", "EDHN", "tower", "119.0"}, 0, "tower 119.0"},
        {{"frequency", "delete", "EDHN", "TOWER"}, 1, "Mehrere Frequenzen passen zu „TOWER“: bitte mit #N wählen (N-te Zeile wie bei lookup)."},
        {{"frequency", "change", "EDHN", "#3", "--freq", "121.0"}, 0, "TOWER 121.0 geändert"},
        {{"frequency", "add", "EDHN", QString(29, u'A'), "1"}, 1, "Maximum number of characters allowed in field ( ATC Name ) is 28. - Please change."},
        {{"approach", "add", "EDHN", "25r", "--ils-ident", "ifr"}, 0, "ILS - IFR"},
        {{"approach", "add", "EDHN", "R9"}, 1, "Die Landebahn wurde falsch eingegeben. Bitte Daten überprüfen."},
        {{"approach", "add", "EDHN", "9"}, 1, question},
        {{"approach", "add", "EDHN", "9", "--yes"}, 0, "Anflug 9 hinzugefügt"},
        {{"approach", "change", "EDHN", "9", "--rwy", "07l"}, 0, "Anflug 07L geändert"},
        {{"approach", "delete", "EDHN", "07L"}, 0, "Anflug 07L gelöscht"},
        {{"airport", "set", "edhn", "--pr", QString(20, u'x')}, 1, "Fehler PR"},
        {{"airport", "set", "EDHN", "--coordinates", "04907.1 N / 00946.5 E"}, 1, "Bitte Breitengrad im Format XXXXX.X eingeben. Bsp: 3340.7"},
        {{"airport", "set", "EDHN", "--elev", "30001"}, 1, " Fehler ELEV"},
        {{"airport", "set", "EDHN", "--elev", "abc"}, 2, " Fehler ELEV"},
        {{"airport", "set", "EDHN", "--elev", "1.146"}, 0, "ELEV: 1146 ft / 349 m"},
        {{"airport", "set", "EDHN", "--coordinates", "5404.8 N / 00959.5 X"}, 1, "Fehler in Koordinaten"},
        {{"airport", "set", "EDHN", "--coordinates", "5404.8 N / 00959.5 O"}, 0, "5404.8 N / 00959.5 E"},
        {{"airport", "set", "EDHN", "--var", "3W", "--type", "vlp", "--name", "Neumünster"}, 0, "VAR 3 W"},
        {QStringList{"airport", "add", "EDDF"} + kEddx, 1, "Für den ICAO Code - EDDF existiert schon ein Flughafen. Bitte Daten überprüfen"},
        {QStringList{"airport", "add", "EDD"} + kEddx, 1, "Fehler ICAO"},
        {{"runway", "delete", "ZZZZ", "09"}, 1, "Es wurde kein Flughafen gefunden"},
        {{"runway", "delete", "EDHN", "09"}, 1, "Es wurde keine Landebahn „09“ gefunden."},
        {{"runway", "add", "EDHN", "--surface", "beton"}, 2, "Ungültiger Wert für --surface"},
        {{"runway", "delete", "EDHN", "25R", "--rwy", "09"}, 2, "Die Option --rwy gehört nicht"},
        {{"approach", "delete", "EDHN", "25R", "--yes"}, 2, "Die Option --yes gehört nicht"},
        {{"frequency", "add", "EDHN", "TOWER"}, 2, "Falsche Zahl von Argumenten"},
        {{"runway", "move", "EDHN"}, 2, "Was soll runway tun?"},
    };
    for (const Call &call : calls) {
        const QByteArray before = test::fileHash(dir.filePath("vmdata.vmd"));
        expectCall(dir.path(), call);
        if (call.exit != 0) {
            EXPECT_EQ(test::fileHash(dir.filePath("vmdata.vmd")), before) << call.arguments.join(' ').toStdString();
        }
    }

    // Another program holding the file: a database error, nothing written.
    store::Database other;
    ASSERT_TRUE(other.open(dir.filePath("vmdata.vmd")).ok());
    ASSERT_TRUE(other.exec("BEGIN IMMEDIATE;").ok());
    expectCall(dir.path(), {{"frequency", "delete", "EDHN", "#1"}, 3, "Die Datenbank wird gerade von einem anderen Programm benutzt."});
}

// A row stamped other than --if-stamp says (for a note "": none stored) is not written: exit 4.
TEST(EditCli, IfStampWritesOnlyOverTheRowAsTheCallerSawIt) {
    QTemporaryDir dir;
    expectCall(dir.path(), {{"lookup", "EDHN"}, 0, "EDHN"});
    test::executeSql(dir.filePath("vmdata.vmd"), "UPDATE ACOM SET Date = '2026-01-02', Time = '08:00:00' WHERE ICAO = 'EDHN';");
    const QString changed = store::kChangedMeanwhileMessage.toString();
    const std::vector<Call> calls{
        {{"frequency", "change", "EDHN", "#1", "--freq", "1", "--if-stamp", "2026-01-02 08:00:01"}, 4, changed},
        {{"frequency", "change", "EDHN", "#1", "--freq", "1", "--if-stamp", "2026-01-02"}, 2, "--if-stamp erwartet"},
        {{"frequency", "change", "EDHN", "#1", "--freq", "1", "--if-stamp", "2026-01-02 08:00:00"}, 0, "geändert"},
        {{"airport", "set", "EDHN", "--pr", "1200 ft", "--if-stamp", "2026-01-02 08:00:01"}, 4, changed},
        {{"note", "EDHN", "Kontakt", "--text", "Turm", "--if-stamp", ""}, 0, "Letzte Aktualisierung"},
        {{"note", "EDHN", "Kontakt", "--text", "Platz", "--if-stamp", ""}, 4, changed},
    };
    for (const Call &call : calls) {
        const QByteArray before = test::fileHash(dir.filePath("vmdata.vmd"));
        expectCall(dir.path(), call);
        if (call.exit != 0) EXPECT_EQ(test::fileHash(dir.filePath("vmdata.vmd")), before) << call.arguments.join(' ').toStdString();
    }
}
