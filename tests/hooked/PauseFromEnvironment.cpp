#include "platform/TestPause.h"

#include <QByteArray>

#include <chrono>
#include <cstdio>
#include <thread>

// Linked only into the copies of the command programs that the crash tests
// run: when the environment variable holds the stage's name, the process
// writes "<what> angehalten: <stage>" to stderr and waits to be killed there.
namespace {

void pauseFromEnvironment(const char *variable, const char *what, const char *stage) {
    if (qgetenv(variable) != stage) return;
    std::fprintf(stderr, "%s angehalten: %s\n", what, stage);
    std::fflush(stderr);
    for (;;) std::this_thread::sleep_for(std::chrono::hours(1));
}

const bool installed = (volmira::platform::setPauseHook(pauseFromEnvironment), true);

}  // namespace
