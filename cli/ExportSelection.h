#pragma once

#include "platform/Result.h"
#include "store/AirportStore.h"

#include <QStringList>

namespace volmira::cli {

struct Options;

// The airports `export` and `send` write: every airport with --all, the codes
// of --icao A,B, else those changed after the database date (as the database
// manager lists them; possibly none).
[[nodiscard]] platform::Result<QStringList> exportSelection(const Options &options, store::AirportStore &store);

// The file named on the line, else export.crm in the data folder, the file the maker asks for.
[[nodiscard]] QString exportFile(const Options &options, const QString &dataFolder);

// --all and --icao together.
[[nodiscard]] bool exportLineFaulty(const Options &options);

}  // namespace volmira::cli
