#pragma once

#include "platform/Result.h"

namespace volmira::store {

class Database;

// Schema version kept in PRAGMA user_version.
inline constexpr int kSchemaVersion = 1;

// Creates the eleven tables and their indexes in a new file.
[[nodiscard]] platform::Result<> createSchema(Database &db);

// Checks that an opened file holds our tables in a format this program knows.
// A failure names the file.
[[nodiscard]] platform::Result<> checkSchema(Database &db);

}  // namespace volmira::store
