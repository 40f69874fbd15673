#pragma once

namespace volmira::cli {
struct Options;
}

namespace volmira::app {

// Runs the desktop program: splash, then the main window with the airport
// window. With --screenshot FILE it shows the main window without the splash
// pause (on --show CODE, else the last airport), writes it as PNG and ends;
// --edit shows it in edit mode, --dialog NAME writes the entry dialog of that
// name instead, filled as its change command fills it (frmKarte: the map
// linking dialog on the airport's first slot); --window Datenbank
// shows the database manager on that airport, --about writes the About
// window alone.
int runDesktop(const cli::Options &options);

}  // namespace volmira::app
