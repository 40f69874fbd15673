#pragma once

#include <QString>

namespace volmira::test {

// Overwrites bytes in the root pages of a table and its indexes in a closed
// database file, as a failing disk would: every read of that table then fails,
// the other tables stay readable. False when there is no such table.
[[nodiscard]] bool damageTable(const QString &databasePath, const QString &table);

}  // namespace volmira::test
