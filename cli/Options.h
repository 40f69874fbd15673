#pragma once

#include "platform/CommandLine.h"

namespace volmira::cli {

// The command line of a command, read and checked against the command table.
struct Options : platform::CommandLine {};

}  // namespace volmira::cli
