#pragma once

#include "platform/Result.h"

#include <QString>

namespace volmira::platform {
class Shell;
}

// Handing over to the separate updater, which replaces the program's files.
namespace volmira::app {

// The updater's file in the program folder.
inline constexpr char kUpdaterProgram[] = "update";
inline const QString kUpdaterMissingTitle = QStringLiteral("Datei fehlt");

// Starts the updater from the program folder, in that folder, without waiting
// for it; the caller then ends the program so that its files are free. The
// failure carries the message the user reads under kUpdaterMissingTitle.
[[nodiscard]] platform::Result<> startUpdater(platform::Shell &shell, const QString &programFolder);

}  // namespace volmira::app
