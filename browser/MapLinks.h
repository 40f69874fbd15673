#pragma once

#include "browser/MapPath.h"
#include "platform/Result.h"
#include "store/MapStore.h"
#include "store/NoteStore.h"
#include "store/Rows.h"

#include <QString>

#include <optional>
#include <vector>

// An airport's map links as the viewer uses them, and the linking dialog's
// save, shared by the windows and the command line.
namespace volmira::browser {

struct MapSlot {
    store::MapDataRow row;
    ResolvedPath file;    // MapFile: Location + File, found as the viewer finds it
    ResolvedPath folder;  // MapFolder: Location, found the same way
    MapType type = MapType::Jpeg;
};

// The airport's links by Number (0 to 9 only), each resolved against the data folder.
[[nodiscard]] platform::Result<std::vector<MapSlot>> readMapSlots(store::MapStore &maps, const QString &icao,
                                                                  const QString &dataFolder);

// The refusal of a save without a chosen file for a free slot.
inline constexpr const char kNoMapFileMessage[] = "Bitte eine Kartendatei (BMP, JPEG oder PDF) auswählen.";
inline constexpr const char kNoMapFileTitle[] = "Datenfehler";

// Nothing when the link was saved; the refusal when it was refused; a failure
// when the file could not be written (then nothing changed).
using LinkOutcome = platform::Result<std::optional<store::Refusal>>;

// What the linking dialog (or a drop, or the command line) saves for a slot.
struct LinkRequest {
    QString folder, file;  // the chosen file; both empty: the link keeps its file (a rename)
    QString name;          // the button's name; empty: the file name, so that no link looks free
    QString validUntil;    // the last valid day, yyyy-MM-dd; empty: no date
    bool copy = false;     // link a copy in the data folder's Karten/<ICAO> instead
};

// The linking dialog's save of slot `number`. Without a chosen file an
// existing link keeps its file and a free slot is refused. A copy is made
// before the link is written; a copy that cannot be made changes nothing.
[[nodiscard]] LinkOutcome saveMapLink(store::MapStore &maps, const QString &icao, int number,
                                      const LinkRequest &request, const QString &dataFolder);

}  // namespace volmira::browser
