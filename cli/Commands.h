#pragma once

namespace volmira::cli {

struct Options;

// Each command prints its result (text, or one JSON document with --json) and
// returns the exit status.
int lookupCommand(const Options &options);
int findCommand(const Options &options);
// Distance and courses from one airport to another.
int distanceCommand(const Options &options);
// The airports within a radius of one, with distance and courses.
int nearbyCommand(const Options &options);
int countriesCommand(const Options &options);
int buildDatabaseCommand(const Options &options);
int importCommand(const Options &options);
int exportCommand(const Options &options);
int changedCommand(const Options &options);
int notesCommand(const Options &options);
int noteCommand(const Options &options);
int categoriesCommand(const Options &options);
int categoryCommand(const Options &options);
// The notes holding every word of a search text.
int searchNotesCommand(const Options &options);
// The editing commands: runway, airport, frequency and approach.
int runwayCommand(const Options &options);
int airportCommand(const Options &options);
int frequencyCommand(const Options &options);
int approachCommand(const Options &options);
// The database manager's filtered airport list and deleting an airport.
int listCommand(const Options &options);
int deleteCommand(const Options &options);
// The map links of an airport: listing, linking a file, removing a link.
int mapsCommand(const Options &options);
int mapCommand(const Options &options);
// The About window's versions, update history and release notes.
int aboutCommand(const Options &options);
// Exporting and sending to the maker's server, as the database manager's "Neue Daten schicken".
int sendCommand(const Options &options);
// The download site's versions against the running program and the database.
int checkVersionCommand(const Options &options);

}  // namespace volmira::cli
