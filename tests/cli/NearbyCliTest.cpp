// `nearby` on a copy of the shipped database, checked against the raw data files.
#include "support/Command.h"
#include "support/Files.h"
#include "support/Reckoning.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace volmira::test;

namespace {

// The lines of a file of data/ourairports after its header, split into fields.
QList<QStringList> csvRows(const char *name) {
    QFile file(QStringLiteral(VOLMIRA_SOURCE_DIR "/data/ourairports/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    QList<QStringList> rows;
    file.readLine();
    while (!file.atEnd()) rows << csvFields(QString::fromUtf8(file.readLine()).trimmed());
    return rows;
}

// Paved surfaces as the data writes them ("ASP", "Asphalt", "CON", "concrete", "BIT", "PEM").
bool paved(const QString &surface) {
    return QRegularExpression("^(ASP|CON|BIT|PEM|TAR|PAV|CEM|MAC)", QRegularExpression::CaseInsensitiveOption).match(surface.trimmed()).hasMatch();
}

}  // namespace

// Within 30 NM of EDDF with a hard runway longer than 800 m: what the raw
// positions and runways give. The stored positions are rounded to a tenth of a
// minute, so an airport within 0.2 NM of the edge may fall on either side.
TEST(NearbyCli, ListsWhatTheRawDataGivesNearestFirst) {
    QHash<QString, int> hardMetres;
    for (const QStringList &r : csvRows("runways.csv"))
        if (paved(r[3])) hardMetres[r[0]] = std::max(hardMetres[r[0]], int(std::lround(r[1].toDouble() * 0.3048)));
    QHash<QString, double> miles;
    const QList<QStringList> airports = csvRows("airports.csv");
    const auto eddf = std::ranges::find_if(airports, [](const QStringList &r) { return r[0] == "EDDF"; });
    for (const QStringList &r : airports)
        miles[r[0]] = andoyerNauticalMiles((*eddf)[3].toDouble(), (*eddf)[4].toDouble(), r[3].toDouble(), r[4].toDouble());
    QStringList sure, either;
    for (auto [code, nm] : miles.asKeyValueRange())
        if (code != "EDDF" && hardMetres.value(code) > 800 && nm <= 30.2) (nm < 29.8 ? sure : either) << code;

    QTemporaryDir dir;
    const CommandResult r = runCommand(dir.path(), {"nearby", "EDDF", "--radius", "30", "--min-length", "800", "--surface", "hard", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QStringList listed;
    double last = 0;
    for (const QJsonValue &v : QJsonDocument::fromJson(r.out)["airports"].toArray()) {
        const QJsonObject a = v.toObject();
        listed << a["ICAO"].toString();
        EXPECT_NEAR(a["nm"].toDouble(), miles[a["ICAO"].toString()], 0.2) << a["ICAO"].toString().toStdString();
        EXPECT_GE(a["nm"].toDouble(), last);
        last = a["nm"].toDouble();
    }
    EXPECT_TRUE(listed.contains("EDFE") && listed.contains("EDFZ")) << listed.join(' ').toStdString();
    for (const QString &code : sure) EXPECT_TRUE(listed.contains(code)) << code.toStdString();
    for (const QString &code : listed) EXPECT_TRUE(sure.contains(code) || either.contains(code)) << code.toStdString();
}

TEST(NearbyCli, RefusesWhatItCannotAnswer) {
    QTemporaryDir dir;
    ASSERT_EQ(runCommand(dir.path(), {"countries"}).exitCode, 0);  // installs the shipped database
    executeSql(dir.filePath("vmdata.vmd"), "UPDATE ARPT SET WGS_DLAT = NULL WHERE ICAO = 'EDFE'");
    const struct {
        QStringList arguments;
        int exit;
        const char *says;
    } cases[] = {
        {{"nearby", "QQQQ"}, 1, "Es wurde kein Flughafen gefunden"},
        {{"nearby", "EDFE"}, 3, "EDFE hat keine gültigen Koordinaten"},
        {{"nearby", "EDDF", "--radius", "0"}, 2, "Ungültiger Wert für --radius"},
        {{"nearby", "EDDF", "--surface", "wasser"}, 2, "Ungültiger Wert für --surface"},
        {{"nearby"}, 2, "Aufruf"},
    };
    for (const auto &c : cases) {
        const CommandResult r = runCommand(dir.path(), c.arguments);
        EXPECT_EQ(r.exitCode, c.exit) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
    }
}
