#pragma once

#include <QString>

namespace volmira::store {

class Database;

// Schema version kept in PRAGMA user_version.
inline constexpr int kSchemaVersion = 1;

// Creates the eleven tables and their indexes in a new file. Error text or empty.
[[nodiscard]] QString createSchema(Database &db);

// Checks that an opened file holds our tables in a format this program knows.
// A German sentence naming the file, or empty.
[[nodiscard]] QString checkSchema(Database &db);

}  // namespace volmira::store
