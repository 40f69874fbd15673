#pragma once

namespace volmira::platform {
struct CommandLine;
}

namespace volmira::app {

// Runs the desktop program: splash, then the main window with the airport
// window. With --screenshot FILE it shows the main window without the splash
// pause (on --show CODE, else the last airport), writes it as PNG and ends;
// --edit shows it in edit mode, --dialog NAME writes the entry dialog of that
// name instead, filled as its change command fills it (frmKarte: the map
// linking dialog on the airport's first slot); --window Datenbank shows the
// database manager on that airport, --about writes the About window alone,
// --map N the map page with the map of slot N, written once it is drawn
// (status 1 when the slot is free or the map cannot be shown).
int runDesktop(const platform::CommandLine &options);

}  // namespace volmira::app
