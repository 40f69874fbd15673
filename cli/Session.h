#pragma once

#include "browser/AirportLookup.h"
#include "platform/Clock.h"
#include "store/AirportStore.h"
#include "store/Database.h"

#include <QTextStream>

#include <memory>
#include <optional>

namespace volmira::cli {

struct Options;

// Exit statuses of the command line.
enum Exit { kDone = 0, kNotFound = 1, kUsage = 2, kDataError = 3 };

QTextStream &out();
QTextStream &err();

// A stored text as the text output prints it: control characters (an escape
// sequence in a name can clear or rewrite the terminal; a line break or carriage
// return would break or overwrite the line) become U+FFFD, which shows that
// something was there without being mistaken for a character of the name.
[[nodiscard]] QString printable(QString text);

// The data folder and its open database for one command.
struct Session {
    QString dataFolder;
    platform::SystemClock clock;
    store::Database db;
    std::unique_ptr<store::AirportStore> store;
};

// A progress bar redrawn in place on a terminal, ended by a line break at 100;
// nothing when stderr is a file or a pipe.
void drawProgress(int percent);

// Prints the German message of a failed read and gives the exit status of a data error.
template <typename T>
int failed(const platform::Result<T> &result) {
    err() << result.error() << Qt::endl;
    return kDataError;
}

// The airport a read found; on a failed read or no airport prints why and
// sets the exit status. A command that reads several airports names the code
// that found none.
template <typename T>
std::optional<T> foundAirport(platform::Result<std::optional<T>> found, int &exit, const QString &code = {}) {
    if (!found) {
        exit = failed(found);
        return std::nullopt;
    }
    if (!*found) {
        err() << browser::kNotFoundMessage.toString();
        if (!code.isEmpty()) err() << ": " << printable(code);
        err() << Qt::endl;
        exit = kNotFound;
    }
    return std::move(*found);
}

// Finds the data folder (copying the shipped database there on first use) and
// opens its database. On failure prints the German message and returns null.
std::unique_ptr<Session> openSession(const Options &options, store::Database::Mode mode);

}  // namespace volmira::cli
