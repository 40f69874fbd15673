#pragma once

#include "store/AirportStore.h"

#include <functional>

namespace volmira::store::exchange {

// What an import did.
struct ImportCounts {
    int airportsReplaced = 0;  // airport records of the file
    int frequencies = 0;
    int approaches = 0;
    int runways = 0;
    int notesAdded = 0;
    int notesSkipped = 0;  // the user already holds a note of that category for that airport
    int unknownRows = 0;   // records of another kind than the five
};

struct ImportResult {
    QString error;    // German; empty when the import was committed
    QString warning;  // German: committed, but the history could not be written
    ImportCounts counts;
};

struct ImportRequest {
    QString file;         // the exchange file to import
    QString dataFolder;   // holds UpdateInfo.crm
    QString dataVersion;  // the online data version: stamps the history and, when
                          // not empty, becomes the database version
};

// Steps of the import, reported in this order.
inline constexpr int kImportStarted = 0, kImportFileOpened = 25, kImportFileChecked = 50, kImportAirportsRemoved = 75,
                     kImportDone = 100;
using ImportProgress = std::function<void(int percent)>;

// Replaces every airport of the file, with its runways, frequencies and
// approaches, by the file's version; the user's notes and map links stay, and
// so does the note category the user chose last. The file's notes are added
// per airport and category only where the user held no note of that category.
// Other rows of the file are appended as they are.
//
// The database is copied to vmdata.vmd.bak first and the import runs in one
// transaction, so a failure of any kind (a damaged file, a record that does
// not fit, a database error) leaves the database and the history as they were. The history gains
// one row per airport record only after the commit.
[[nodiscard]] ImportResult importUpdate(AirportStore &store, const ImportRequest &request,
                                        const ImportProgress &progress = {});

}  // namespace volmira::store::exchange
