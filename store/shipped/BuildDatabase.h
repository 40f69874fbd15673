#pragma once

#include <QString>


namespace volmira::store::shipped {

struct BuildOptions {
    QString sourceDir;  // the OurAirports extract: airports.csv, runways.csv, frequencies.csv, icao_prefixes.csv,
                        // keywords.csv
    QString wmmDir;     // folder holding wmm2025.wmm and wmm2025.wmm.cof
    QString outFile;    // the database to write (replaced)
    QString dataDate;   // YYYY-MM-DD; empty: read from sourceDir/DATA-DATE
    QString programVersion;
};

// What the build did: rows written and rows left out, with the reason.
struct BuildReport {
    QString error;  // German; empty on success
    QString dataDate;  // YYYY-MM-DD the data and the magnetic variation are dated
    int airports = 0;
    int runways = 0;
    int frequencies = 0;
    int iataCodes = 0;
    int countries = 0;
    int cities = 0;      // airports with a city (municipality)
    int otherNames = 0;  // other names of keywords.csv, each counted
    int airportsWithoutCoordinates = 0;    // no or out-of-range latitude / longitude
    int elevationsOutOfRange = 0;          // outside -2000..30000 ft: the airport is written without one
    int runwaysWithoutLength = 0;          // no length or under 1 m
    int runwaysWithoutDesignator = 0;      // neither a runway number nor a heading to derive one
    int helipads = 0;                      // helipads and pads of runways.csv: no runways
    int runwaysWithoutAirport = 0;         // their airport is not in airports.csv or was left out
    int runwaysOutOfRange = 0;             // negative or impossibly large length or width
    int frequenciesWithoutValue = 0;       // no number of MHz
    int frequenciesOutOfRange = 0;         // 0 MHz or less, or 1000 MHz and more
    int frequenciesWithoutAirport = 0;
    // Applied as the update import applies them, so that the shipped data
    // passes an export and an import unchanged:
    int textsFitted = 0;    // texts longer than their column, abbreviated or cut
    int duplicateRows = 0;  // runways and frequencies identical to one the airport has, left out
};

// Builds the shipped database from the bundled public-domain data. The output
// file is replaced only when the whole build succeeded.
[[nodiscard]] BuildReport buildDatabase(const BuildOptions &options);

}  // namespace volmira::store::shipped
