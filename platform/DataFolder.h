#pragma once

#include "platform/Result.h"

#include <QString>

namespace volmira::platform {

// Where the program keeps its database, settings files and map folders:
// --data-dir if given, else $VOLMIRA_APT_HOME, else the executable's folder when
// it holds vmdata.vmd (a portable install), else the per-user data location.
[[nodiscard]] QString resolveDataFolder(const QString &commandLineDir, const QString &executableDir);

// The running executable's folder, symbolic links resolved, as the application
// object tells it; for the command programs, which start without one.
[[nodiscard]] QString programFolder();

// Name of the shipped database installed beside the executable. It is not
// called vmdata.vmd so that a build folder is not taken for a portable install.
inline constexpr const char *kShippedDatabase = "vmdata-shipped.vmd";
inline constexpr const char *kDatabaseFile = "vmdata.vmd";
// The last-airport settings file, installed with the shipped database.
inline constexpr const char *kShippedSettings = "Apt.crm";

// The folder holding the files installed with the program (the shipped
// database and settings): the executable's own folder in a build folder or a
// portable install; share/volmira-apt of the prefix in an installation, seen
// from bin/ or from libexec/volmira-apt/.
[[nodiscard]] QString installedFilesFolder(const QString &executableDir);

// Makes the folder and, when it has no vmdata.vmd, copies the shipped database
// into it, with the shipped Apt.crm when the folder has none.
[[nodiscard]] Result<> prepareDataFolder(const QString &dataFolder, const QString &executableDir);

}  // namespace volmira::platform
