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

// The linking dialog's save of slot `number`: `folder` and `file` as chosen.
// Without a chosen file an existing link keeps its file (a rename) and a free
// slot is refused. An empty name takes the file name, so that no link looks free.
[[nodiscard]] LinkOutcome saveMapLink(store::MapStore &maps, const QString &icao, int number, const QString &folder,
                                      const QString &file, const QString &name);

}  // namespace volmira::browser
