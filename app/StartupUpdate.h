#pragma once

#include "store/exchange/UpdateImport.h"

#include <QString>

// The shipped update file the start-up imports: aptdata.vmd in the data folder.
namespace volmira::app {

inline constexpr char kUpdateFile[] = "aptdata.vmd";
// Where an update file that could not be imported is kept, so that the next
// start does not try it again and the user can send it back to the maker.
inline constexpr char kFailedUpdateFile[] = "aptdata.vmd.fehler";

[[nodiscard]] bool updateFileExists(const QString &dataFolder);

struct StartupUpdateResult {
    QString error;    // the import failed and changed nothing; the file was kept as aptdata.vmd.fehler
    QString warning;  // imported, but the history or the clean-up failed
};

// Imports aptdata.vmd with the online data version (empty when unknown: the
// import then dates the data by its newest stamp), then deletes it; a file
// that fails is renamed to aptdata.vmd.fehler instead. Deleting is retried a
// few times, never endlessly.
[[nodiscard]] StartupUpdateResult runStartupUpdate(store::AirportStore &store, const QString &dataFolder,
                                                   const QString &onlineDataVersion,
                                                   const store::exchange::ImportProgress &progress);

}  // namespace volmira::app
