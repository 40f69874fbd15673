#pragma once

#include "platform/Result.h"
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
    int withoutAirport = 0;  // rows of an airport in neither the file nor the database, skipped
    int duplicates = 0;      // rows identical to one the airport already has, skipped
    int cutTexts = 0;        // texts longer than their column, abbreviated or cut to it
    qint64 ignoredValues = 0;  // values of columns the file does not declare
};

struct ImportOutcome {
    ImportCounts counts;
    QString warning;  // German: committed, but the history is not in place yet
};

struct ImportRequest {
    QString file;         // the exchange file to import
    QString dataFolder;   // holds UpdateInfo.crm
    QString dataVersion;  // the online data version, dd.mm.yyyy; empty when unknown
};

// Steps of the import, reported in this order.
inline constexpr int kImportStarted = 0, kImportFileOpened = 25, kImportFileChecked = 50, kImportAirportsRemoved = 75,
                     kImportDone = 100;
using ImportProgress = std::function<void(int percent)>;

// Replaces every airport of the file, with its runways, frequencies and
// approaches, by the file's version; the user's notes and map links stay, and
// so does the note category the user chose last. The file's notes are added
// per airport and category only where the user held no note of that category.
// Other rows of the file are appended, except rows whose airport is in
// neither the file nor the database and rows the airport already has.
//
// The data version becomes the database version; when it is unknown, the
// newest Date stamp of the imported records does, unless the database
// version is newer already. The history gains one row per airport record,
// stamped with that version.
//
// A damaged database is not imported into, nor copied. Otherwise it is
// copied to vmdata.vmd.bak first (the old backup is replaced only by a whole
// copy) and the import runs in one transaction, so a failure of any kind (a
// damaged file, a record that does not fit, a full disk, a database error)
// leaves the database and the history as they were. The new history is
// written before the commit and put in place after it; when the process ends
// in between, the next import finishes it.
[[nodiscard]] platform::Result<ImportOutcome> importUpdate(AirportStore &store, const ImportRequest &request,
                                                           const ImportProgress &progress = {});

}  // namespace volmira::store::exchange
