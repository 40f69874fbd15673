#pragma once

#include "platform/Result.h"
#include "store/AirportFilter.h"

#include <QString>

#include <optional>

namespace volmira::cli {

struct Options;

// The filter of `list` (and of the printed list): --surface, --type and
// --min-length where given, the rest from dbs.crm of the data folder as the
// database manager reads it (missing or bad: every box checked, length 0).
// dbs.crm is never written. A bad --surface, --type or --min-length value is a
// failure (a usage error); a length of dbs.crm that is no number is told on
// stderr and counts as 0, as in the window.
[[nodiscard]] platform::Result<store::AirportFilter> listFilter(const Options &options, const QString &dataFolder);

// The filter `base` with what --surface, --type and --min-length say instead;
// a bad value is a failure (a usage error).
[[nodiscard]] platform::Result<store::AirportFilter> filterOptions(const Options &options, store::AirportFilter base);

// PRÄFIX of `list` and `print`: the one plain argument, 1 to 4 characters.
// Nothing after telling the usage line `usage` on stderr.
[[nodiscard]] std::optional<QString> listPrefix(const Options &options, const char *usage);

}  // namespace volmira::cli
