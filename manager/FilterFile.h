#pragma once

#include "manager/ListFilter.h"
#include "platform/Result.h"

#include <QString>

#include <array>
#include <optional>

// dbs.crm, the database manager's filter settings in its data folder: five
// lines in the settings notation (store/WriteNotation.h): the states of the
// two surface boxes and of the two type boxes bare, then the length text quoted.
namespace volmira::manager {

inline constexpr char kFilterFileName[] = "dbs.crm";

// What reading the file gave: the values in file order up to the first that
// could not be read; on a failure the caller keeps its own values for the rest
// and writes the first-run file. Setting the boxes runs no click handling.
struct FilterFileRead {
    std::array<std::optional<BoxState>, 2> surface;
    std::array<std::optional<BoxState>, 2> type;
    std::optional<QString> length;
    // False when the file is missing, unreadable, shorter than five values or
    // holds a state that is no whole number from 0 to 2.
    bool complete = false;

    // `current` with the values read put over it.
    [[nodiscard]] FilterSettings over(FilterSettings current) const;
};

[[nodiscard]] FilterFileRead readFilterFile(const QString &path);

// Replaces the file atomically with the five values.
[[nodiscard]] platform::Result<> writeFilterFile(const QString &path, const FilterSettings &settings);

// Replaces the file with what a missing or unreadable one becomes: the lines
// 1, 1, 1, 1 and 0, all bare.
[[nodiscard]] platform::Result<> writeFirstRunFilterFile(const QString &path);

}  // namespace volmira::manager
