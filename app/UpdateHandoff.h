#pragma once

#include <QString>

namespace volmira::platform {
class Shell;
}

// Handing over to the separate updater, which replaces the program's files.
namespace volmira::app {

// The updater's file in the program folder.
inline constexpr char kUpdaterProgram[] = "update";
// The title of every message of the hand-off: the menu entry's caption.
inline const QString kUpdateTitle = QStringLiteral("Update vorhanden");

struct Handoff {
    bool updaterStarted = false;  // the caller ends the program so that its files are free
    QString message;              // otherwise what the user reads
};

// Starts the updater from the program folder, in that folder, without waiting
// for it. Where none is installed (the Debian package brings none), the
// download page opens in the browser instead, and the message says so.
[[nodiscard]] Handoff handOffUpdate(platform::Shell &shell, const QString &programFolder);

}  // namespace volmira::app
