#pragma once

namespace volmira::platform {

// Lets the crash tests stop a write at a named stage and kill the process
// there: when the environment variable `variable` holds the stage's name, the
// process writes "<what> angehalten: <stage>" to stderr and waits to be
// killed. Does nothing otherwise.
void pauseForTest(const char *variable, const char *what, const char *stage);

}  // namespace volmira::platform
