#pragma once

#include "platform/Result.h"

#include <QString>

#include <optional>

// Apt.crm, the settings file that carries the last airport shown from one run
// to the next: one quoted string and CR LF, as in "EDHN"\r\n.
namespace volmira::browser {

inline constexpr char kLastAirportFileName[] = "Apt.crm";
// What a missing or unreadable file is replaced with.
inline constexpr char kFirstRunAirport[] = "EDHN";

// The first value of the file, quoted or bare (store/WriteNotation.h). Nothing
// when the file is missing, unreadable or holds no value.
[[nodiscard]] std::optional<QString> readLastAirport(const QString &path);

// Replaces the file atomically.
[[nodiscard]] platform::Result<> writeLastAirport(const QString &path, const QString &code);

}  // namespace volmira::browser
