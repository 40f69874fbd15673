#pragma once

namespace volmira::cli {

struct Call;

// Runs a command line read against the command table; returns the exit status
// (0 done, 1 not found or refused, 2 usage, 3 data or I/O error).
int run(const Call &call);

}  // namespace volmira::cli
