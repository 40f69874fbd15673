#include "support/TempDatabase.h"

#include <gtest/gtest.h>

namespace volmira::test {

TempDatabase::TempDatabase() : clock(QDateTime(QDate(2026, 3, 14), QTime(10, 15, 0))) {
    const volmira::platform::Result<> opened = db.open(path(), store::Database::Mode::Create);
    EXPECT_TRUE(opened.ok()) << opened.error().toStdString();
    store = std::make_unique<store::AirportStore>(db, clock);
}

QString TempDatabase::path() const { return dir_.filePath(QStringLiteral("vmdata.vmd")); }

store::ArptRow TempDatabase::airport(const QString &icao, const QString &name) const {
    store::ArptRow row;
    row.ICAO = icao;
    row.Name = name;
    row.COORDINATES = QStringLiteral("5001.6 N / 00833.5 E");
    row.WGS_DLAT = 50.026667;
    row.WGS_DLONG = 8.558333;
    row.ELEV = 364;
    row.MAG_VAR = 4;
    row.RwyALen = 0;
    row.RwyGLen = 0;
    row.Type = QStringLiteral("VLP");
    row.Date = QStringLiteral("2026-01-02");
    row.Time = QStringLiteral("08:00:00");
    row.LastDate = row.Date;
    return row;
}

void TempDatabase::add(const store::ArptRow &row) {
    const QString error = store->edits.insertAirport(row).error();
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
}

}  // namespace volmira::test
