#pragma once

#include "platform/Clock.h"
#include "store/AirportStore.h"
#include "store/Database.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

namespace volmira::bench {

// A copy of the shipped database in a folder of its own, opened with the
// program's store, so that a benchmark never touches the build's file.
struct ShippedCopy {
    QTemporaryDir dir;
    QString path = dir.filePath("vmdata.vmd");
    platform::SystemClock clock;
    store::Database db;
    std::unique_ptr<store::AirportStore> airports;

    ShippedCopy() {
        if (!QFile::copy(VOLMIRA_BINARY_DIR "/vmdata-shipped.vmd", path) || !db.open(path).ok()) std::abort();
        airports = std::make_unique<store::AirportStore>(db, clock);
    }
};

}  // namespace volmira::bench
