#include "platform/TestPause.h"

namespace volmira::platform {

namespace {

PauseHook installedHook = nullptr;

}  // namespace

void setPauseHook(PauseHook hook) { installedHook = hook; }

void pauseForTest(const char *variable, const char *what, const char *stage) {
    if (installedHook) installedHook(variable, what, stage);
}

}  // namespace volmira::platform
