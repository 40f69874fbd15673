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
    return {icao, name, "5001.6 N / 00833.5 E", 50.026667, 8.558333, 364, {}, 4, 0, 0, "VLP", "2026-01-02", "08:00:00",
            "2026-01-02", {}};
}

void TempDatabase::add(const store::ArptRow &row) {
    const QString error = store->edits.insertAirport(row).error();
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
}

OtherProgram::OtherProgram(const TempDatabase &t) : clock(QDateTime(QDate(2026, 3, 15), QTime(9, 0, 0))) {
    const volmira::platform::Result<> opened = db.open(t.path());
    EXPECT_TRUE(opened.ok()) << opened.error().toStdString();
    store = std::make_unique<store::AirportStore>(db, clock);
}

}  // namespace volmira::test
