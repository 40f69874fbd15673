#pragma once

#include "platform/VersionSource.h"

#include <QString>

#include <optional>

// Whether the download site offers a newer program or newer airport data. The
// texts are compared exactly, never as numbers: any difference counts.
namespace volmira::app {

// Longer answers are error pages or the like and count as no answer.
inline constexpr qsizetype kMaxProgramVersionLength = 6;
inline constexpr qsizetype kMaxDataVersionLength = 12;

struct VersionCheck {
    bool programUpdate = false;  // lblVMUpdate
    bool dataUpdate = false;     // lblDBUpdate
    // The site's data version, for the import of a shipped update; nothing when
    // the site gave no usable one, so that the import does not take the old
    // database version for the new data's.
    std::optional<QString> onlineDataVersion;

    [[nodiscard]] bool updateAvailable() const { return programUpdate || dataUpdate; }
};

[[nodiscard]] VersionCheck checkVersions(const QString &programVersion, const QString &databaseVersion,
                                         const std::optional<platform::OnlineVersionTexts> &online);

}  // namespace volmira::app
