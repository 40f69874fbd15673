#pragma once

#include "platform/Clock.h"
#include "store/AirportStore.h"
#include "store/Database.h"
#include "store/Stamp.h"

#include <QTemporaryDir>

#include <memory>

namespace volmira::test {

// A new, empty encrypted database in its own temporary folder, with a store on
// a fake clock set to 2026-03-14 10:15:00.
class TempDatabase {
public:
    TempDatabase();
    QString path() const;
    QString folder() const { return dir_.path(); }

private:
    QTemporaryDir dir_;  // first, so that it outlives the database in it

public:
    platform::FakeClock clock;
    store::Database db;
    std::unique_ptr<store::AirportStore> store;

    // Adds an airport with plausible values; the caller overrides what it tests.
    store::ArptRow airport(const QString &icao, const QString &name = QStringLiteral("Testplatz")) const;
    void add(const store::ArptRow &row);
};

// Another program on the same file, its clock at 2026-03-15 09:00:00.
struct OtherProgram {
    explicit OtherProgram(const TempDatabase &t);

    platform::FakeClock clock;
    store::Database db;
    std::unique_ptr<store::AirportStore> store;
};

// A guarded write's outcome in a word for a table: "written", "changed
// <stamp of the stored row>", "vanished", or the failure's message.
template <typename Written, typename Row>
QString outcomeOf(const platform::Result<store::Guarded<Written, Row>> &outcome) {
    if (!outcome) return outcome.error();
    const auto *other = std::get_if<store::Meanwhile<Row>>(&*outcome);
    if (!other) return QStringLiteral("written");
    if (!other->stored) return QStringLiteral("vanished");
    return QStringLiteral("changed %1 %2").arg(other->stored->Date, other->stored->Time);
}

}  // namespace volmira::test
