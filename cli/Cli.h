#pragma once

#include <QStringList>

namespace volmira::cli {

// Runs a command of the command line; returns the exit status
// (0 done, 1 not found or refused, 2 usage, 3 data or I/O error).
int run(const QStringList &arguments);

}  // namespace volmira::cli
