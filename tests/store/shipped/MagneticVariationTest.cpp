#include "store/shipped/MagneticVariation.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>


using volmira::store::shipped::MagneticVariation;

namespace {

const QString kModelDir = QStringLiteral(VOLMIRA_SOURCE_DIR "/data/wmm/magnetic");

const MagneticVariation &model() {
    static const MagneticVariation loaded(kModelDir);
    return loaded;
}

// NOAA's published check values: decimal year, height km, latitude, longitude, D, ...
TEST(MagneticVariation, MatchesNoaaTestValues) {
    QFile file(QStringLiteral(VOLMIRA_SOURCE_DIR "/tests/data/WMM2025_FINAL_TEST_VALUES_HIGHPREC.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    int rows = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromLatin1(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QStringList v = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ASSERT_GE(v.size(), 5) << line.toStdString();
        const std::optional<double> d =
            model().declination(v[2].toDouble(), v[3].toDouble(), v[1].toDouble() * 1000.0, v[0].toDouble());
        ASSERT_TRUE(d.has_value()) << line.toStdString();
        EXPECT_NEAR(*d, v[4].toDouble(), 0.0051) << line.toStdString();
        ++rows;
    }
    EXPECT_EQ(rows, 100);
}

TEST(MagneticVariation, FractionalYearCountsDaysBeforeTheDate) {
    EXPECT_DOUBLE_EQ(MagneticVariation::fractionalYear(QDate(2026, 1, 1)), 2026.0);
    EXPECT_NEAR(MagneticVariation::fractionalYear(QDate(2026, 8, 1)), 2026.580822, 1e-6);
    EXPECT_NEAR(MagneticVariation::fractionalYear(QDate(2028, 12, 31)), 2028 + 365.0 / 366.0, 1e-12);
}

TEST(MagneticVariation, OnlyTheModelYearsAreCovered) {
    struct Case {
        QDate date;
        bool covered;
    };
    for (const Case &c : {Case{QDate(2024, 12, 31), false}, Case{QDate(2025, 1, 1), true},
                          Case{QDate(2029, 12, 31), true}, Case{QDate(2030, 1, 1), false}, Case{QDate(), false}}) {
        EXPECT_EQ(MagneticVariation::checkDate(c.date).error().isEmpty(), c.covered) << c.date.toString().toStdString();
        EXPECT_EQ(model().declination(50, 8, 0, c.date).has_value(), c.covered) << c.date.toString().toStdString();
    }
}

TEST(MagneticVariation, NoValueWithoutModelOrValidPosition) {
    QTemporaryDir empty;
    const MagneticVariation missing(empty.path());
    EXPECT_TRUE(missing.error().startsWith(QStringLiteral("Das Magnetfeldmodell WMM2025")))
        << missing.error().toStdString();
    EXPECT_TRUE(missing.error().contains(empty.path())) << missing.error().toStdString();
    EXPECT_FALSE(missing.declination(50, 8, 0, QDate(2026, 8, 1)).has_value());
    EXPECT_FALSE(model().declination(91, 8, 0, 2026.0).has_value());
}

}  // namespace
