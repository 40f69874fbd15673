#pragma once

#include "platform/Result.h"
#include "store/SchemaSteps.h"

namespace volmira::store {

class Database;

// Schema version kept in PRAGMA user_version: one more than the format the
// last step of schemaSteps() starts from.
inline constexpr int kSchemaVersion = 7;

// Creates the tables and their indexes in a new file, at once in the
// current format.
[[nodiscard]] platform::Result<> createSchema(Database &db);

// Checks that an opened file holds our tables in a format this program knows,
// and brings an older one to the current format (see upgradeSchema), written
// only when `mayWrite` and the file and its folder allow it. A file of
// the current format costs one read of its format. A failure names the file.
[[nodiscard]] platform::Result<> checkSchema(Database &db, bool mayWrite, const UpgradeProgress &progress);

}  // namespace volmira::store
