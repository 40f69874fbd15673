#pragma once

#include "platform/Result.h"

#include <QString>

#include <functional>
#include <span>

namespace volmira::store {

class Database;

// One step of the data file's layout, from format `from` to the next.
struct SchemaStep {
    int from;
    const char *name;  // what it adds, in German: a failure names it
    const char *sql;
    // Whether a program reading the file can do without it: a new index, a new
    // table nothing reads yet. A step that changes what is stored cannot.
    bool onlyAdds;
    // Fills what the step's SQL created from the rows already stored, where
    // plain SQL cannot (text taken out of a note's RTF, say); in the step's
    // transaction, after its SQL. Nothing for a step that needs none.
    platform::Result<> (*fill)(Database &db) = nullptr;
    // What a reader of a file without the step runs so that the program's
    // queries read it as a new one: temporary views in the new shape, which
    // hide the stored tables of the same name. Nothing for a step that needs none.
    const char *readAsIs = nullptr;
};

// The steps from format 1 to the program's, in order.
std::span<const SchemaStep> schemaSteps();

// Told before the backup (0 of total steps) and after each step.
using UpgradeProgress = std::function<void(int done, int total)>;

// What the program says while it upgrades a file, on stderr or in its window.
QString upgradingMessage();

// Brings an opened file of format `version` to the end of `steps`. A file that
// may be written is backed up beside itself and upgraded in one transaction; one
// that may not is read as it is when every pending step only adds, and refused
// otherwise. A failure names the file and changes nothing.
[[nodiscard]] platform::Result<> upgradeSchema(Database &db, int version, bool writable,
                                               std::span<const SchemaStep> steps, const UpgradeProgress &progress);

}  // namespace volmira::store
