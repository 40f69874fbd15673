#pragma once

#include <QString>

namespace volmira::platform {

// What the system reports for a failed file operation (an errno value), as a
// German sentence: "Der Datenträger ist voll." for ENOSPC. Never the
// system's English text.
[[nodiscard]] QString systemErrorText(int error);

}  // namespace volmira::platform
