#pragma once

#include "platform/Result.h"

#include <QString>

// The night view of the map page is a program setting, kept across runs in a
// small settings file of the data folder: 1 for on, 0 for off.
namespace volmira::browser {

inline constexpr char kNightFileName[] = "Nacht.crm";

// On when the file holds 1; a missing or damaged file is off.
[[nodiscard]] bool readNightView(const QString &path);
// Replaces the file atomically.
[[nodiscard]] platform::Result<> writeNightView(const QString &path, bool on);

}  // namespace volmira::browser
