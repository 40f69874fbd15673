#pragma once

#include "store/Database.h"

#include <QStringList>

namespace volmira::store::exchange {

struct ExportResult {
    QString error;  // German, naming the file; empty on success
    int airports = 0;
    int records = 0;
};

// Writes the airports, in the order given, into an exchange file: each as its
// airport record followed by its frequencies, approaches, runways and notes,
// each kind in the order the rows were stored. Codes without an airport row
// are left out, and so is a second mention of a code. The file is replaced
// atomically, only when all went well and at least one airport was found.
[[nodiscard]] ExportResult exportAirports(Database &db, const QStringList &icaos, const QString &path);

}  // namespace volmira::store::exchange
