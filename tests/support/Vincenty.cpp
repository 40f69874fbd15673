#include "support/Vincenty.h"

#include <QFile>
#include <QStringList>

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

namespace volmira::test {

namespace {

constexpr double kRadians = std::numbers::pi / 180;

// The fields of a CSV line; quoted ones may hold commas.
QStringList csvFields(const QString &line) {
    QStringList fields{QString()};
    bool quoted = false;
    for (const QChar c : line) {
        if (c == u'"') quoted = !quoted;
        else if (c == u',' && !quoted) fields.append(QString());
        else fields.last().append(c);
    }
    return fields;
}

}  // namespace

Geodesic vincentyInverse(double latitude1, double longitude1, double latitude2, double longitude2) {
    const double a = 6378137.0, f = 1 / 298.257223563, b = a * (1 - f);
    const double L = (longitude2 - longitude1) * kRadians;
    const double U1 = std::atan((1 - f) * std::tan(latitude1 * kRadians));
    const double U2 = std::atan((1 - f) * std::tan(latitude2 * kRadians));
    const double sinU1 = std::sin(U1), cosU1 = std::cos(U1), sinU2 = std::sin(U2), cosU2 = std::cos(U2);
    double lambda = L, sinSigma = 0, cosSigma = 0, sigma = 0, cosSqAlpha = 0, cos2SigmaM = 0;
    for (int i = 0; i < 200; ++i) {
        const double sinLambda = std::sin(lambda), cosLambda = std::cos(lambda);
        sinSigma = std::hypot(cosU2 * sinLambda, cosU1 * sinU2 - sinU1 * cosU2 * cosLambda);
        cosSigma = sinU1 * sinU2 + cosU1 * cosU2 * cosLambda;
        sigma = std::atan2(sinSigma, cosSigma);
        const double sinAlpha = cosU1 * cosU2 * sinLambda / sinSigma;
        cosSqAlpha = 1 - sinAlpha * sinAlpha;
        cos2SigmaM = cosSqAlpha == 0 ? 0 : cosSigma - 2 * sinU1 * sinU2 / cosSqAlpha;
        const double C = f / 16 * cosSqAlpha * (4 + f * (4 - 3 * cosSqAlpha));
        const double previous = lambda;
        lambda = L + (1 - C) * f * sinAlpha *
                         (sigma + C * sinSigma * (cos2SigmaM + C * cosSigma * (-1 + 2 * cos2SigmaM * cos2SigmaM)));
        if (std::abs(lambda - previous) < 1e-12) break;
    }
    const double uSq = cosSqAlpha * (a * a - b * b) / (b * b);
    const double A = 1 + uSq / 16384 * (4096 + uSq * (-768 + uSq * (320 - 175 * uSq)));
    const double B = uSq / 1024 * (256 + uSq * (-128 + uSq * (74 - 47 * uSq)));
    const double deltaSigma =
        B * sinSigma *
        (cos2SigmaM + B / 4 * (cosSigma * (-1 + 2 * cos2SigmaM * cos2SigmaM) -
                               B / 6 * cos2SigmaM * (-3 + 4 * sinSigma * sinSigma) * (-3 + 4 * cos2SigmaM * cos2SigmaM)));
    const double sinLambda = std::sin(lambda), cosLambda = std::cos(lambda);
    return {b * A * (sigma - deltaSigma),
            std::atan2(cosU2 * sinLambda, cosU1 * sinU2 - sinU1 * cosU2 * cosLambda) / kRadians,
            std::atan2(cosU1 * sinLambda, -sinU1 * cosU2 + cosU1 * sinU2 * cosLambda) / kRadians};
}

CsvPosition csvPosition(const QString &icao) {
    QFile file(QStringLiteral(VOLMIRA_SOURCE_DIR "/data/ourairports/airports.csv"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QStringList header = csvFields(QString::fromUtf8(file.readLine()).trimmed());
    const qsizetype lat = header.indexOf("latitude_deg"), lon = header.indexOf("longitude_deg");
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.startsWith(icao + u',')) continue;
        const QStringList fields = csvFields(line);
        return {fields.at(lat).toDouble(), fields.at(lon).toDouble()};
    }
    ADD_FAILURE() << icao.toStdString() << " is not in airports.csv";
    return {};
}

}  // namespace volmira::test
