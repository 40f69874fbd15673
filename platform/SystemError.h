#pragma once

#include <QString>

namespace volmira::platform {

// What the system reports for a failed file operation (an errno value), as a
// German sentence: "Der Datenträger ist voll." for ENOSPC. Never the
// system's English text.
[[nodiscard]] QString systemErrorText(int error);

// Why a name was refused as a file to read: it stands for a FIFO, a device or
// a socket, not a file holding data.
[[nodiscard]] QString notAFileText();

}  // namespace volmira::platform
