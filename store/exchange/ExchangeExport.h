#pragma once

#include "platform/Result.h"
#include "store/AirportStore.h"

#include <QStringList>

namespace volmira::store::exchange {

struct ExportCounts {
    int airports = 0;  // none: no file was written
    int records = 0;
};

// Writes the airports, in the order given, into an exchange file: each as its
// airport record followed by its frequencies, approaches, runways and notes,
// each kind in the order the rows were stored. Codes without an airport row
// are left out, and so is a second mention of a code. The file is replaced
// atomically, only when all went well and at least one airport was found; a
// name that stands for anything else than a regular file is refused.
[[nodiscard]] platform::Result<ExportCounts> exportAirports(AirportStore &store, const QStringList &icaos,
                                                            const QString &path);

}  // namespace volmira::store::exchange
