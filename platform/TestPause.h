#pragma once

namespace volmira::platform {

// What a crash test does at a stage of a write: stop there and wait to be
// killed, when `variable` names that stage.
using PauseHook = void (*)(const char *variable, const char *what, const char *stage);

// Installed only by the copies of the programs that the crash tests run; the
// installed programs have none, so no environment can stop them.
void setPauseHook(PauseHook hook);

// Passes the stage of a write to the hook, if one is installed.
void pauseForTest(const char *variable, const char *what, const char *stage);

}  // namespace volmira::platform
