#pragma once

namespace volmira::cli {
struct Options;
}

namespace volmira::app {

// Runs the desktop program: splash, then the main window with the airport
// window. With --screenshot FILE it shows the main window without the splash
// pause (on --show CODE, else the last airport), writes it as PNG and ends.
int runDesktop(const cli::Options &options);

}  // namespace volmira::app
