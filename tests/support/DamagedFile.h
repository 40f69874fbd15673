#pragma once

#include <QString>

namespace volmira::test {

// Overwrites bytes in the middle of the first page (the root page) of a table
// and of each of its indexes in a closed database file, as a failing disk
// would. The pages then fail their check, so every read of that table stops
// with an error; the other tables stay readable. False when there is no such table.
[[nodiscard]] bool damageTable(const QString &databasePath, const QString &table);

}  // namespace volmira::test
