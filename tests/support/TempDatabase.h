#pragma once

#include "platform/Clock.h"
#include "store/AirportStore.h"
#include "store/Database.h"

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

// Another program on the same file: a connection of its own with a store on
// its own clock, set a day after the TempDatabase's (2026-03-15 09:00:00).
struct OtherProgram {
    explicit OtherProgram(const TempDatabase &t);

    platform::FakeClock clock;
    store::Database db;
    std::unique_ptr<store::AirportStore> store;
};

}  // namespace volmira::test
