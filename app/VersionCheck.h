#pragma once

#include "platform/VersionSource.h"

#include <QString>

#include <optional>

// Whether the download site offers a newer program or newer airport data. The
// texts are compared exactly, never as numbers: any difference counts.
namespace volmira::app {

// Longer answers, counted as they came, are error pages or the like and count
// as the local version.
inline constexpr qsizetype kMaxProgramVersionLength = 6;
inline constexpr qsizetype kMaxDataVersionLength = 12;

struct VersionCheck {
    // The site's versions after the plausibility rule (the local version in
    // place of a text too long or not fetched, trailing blanks and line ends
    // dropped); nothing when the site was not asked or did not answer.
    std::optional<QString> onlineProgramVersion;
    std::optional<QString> onlineDataVersion;
    bool programUpdate = false;  // lblVMUpdate
    bool dataUpdate = false;     // lblDBUpdate
    // The data version an update import stores: the site's text when it was
    // fetched, plausible and a date; else nothing, and the import dates the
    // data itself rather than taking the old version for the new data's.
    std::optional<QString> importDataVersion;
    QString error;  // German: why the site gave no answer

    [[nodiscard]] bool updateAvailable() const { return programUpdate || dataUpdate; }
};

[[nodiscard]] VersionCheck checkVersions(const QString &programVersion, const QString &databaseVersion,
                                         const platform::Result<platform::OnlineVersionTexts> &online);

}  // namespace volmira::app
