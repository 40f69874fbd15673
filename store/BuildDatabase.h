#pragma once

#include <QString>


namespace volmira::store {

struct BuildOptions {
    QString sourceDir;  // the OurAirports extract: airports.csv, runways.csv, frequencies.csv, icao_prefixes.csv
    QString wmmDir;     // folder holding wmm2025.wmm and wmm2025.wmm.cof
    QString outFile;    // the database to write (replaced)
    QString dataDate;   // YYYY-MM-DD; empty: read from sourceDir/DATA-DATE
    QString programVersion;
};

// What the build did: rows written and rows left out, with the reason.
struct BuildReport {
    QString error;  // German; empty on success
    int airports = 0;
    int runways = 0;
    int frequencies = 0;
    int iataCodes = 0;
    int countries = 0;
    int airportsWithoutCoordinates = 0;
    int runwaysWithoutLength = 0;
    int runwaysWithoutDesignator = 0;
    int frequenciesWithoutValue = 0;
};

// Builds the shipped database from the bundled public-domain data.
[[nodiscard]] BuildReport buildDatabase(const BuildOptions &options);

}  // namespace volmira::store
