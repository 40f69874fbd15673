#include "app/VersionCheck.h"

namespace volmira::app {

namespace {

// The site's text when it is plausible and says something.
std::optional<QString> usable(const QString &text, qsizetype maxLength) {
    if (text.isEmpty() || text.size() > maxLength) return std::nullopt;
    return text;
}

}  // namespace

VersionCheck checkVersions(const QString &programVersion, const QString &databaseVersion,
                           const std::optional<platform::OnlineVersionTexts> &online) {
    VersionCheck check;
    if (!online) return check;
    const std::optional<QString> program = usable(online->program, kMaxProgramVersionLength);
    check.onlineDataVersion = usable(online->data, kMaxDataVersionLength);
    check.programUpdate = program && *program != programVersion;
    check.dataUpdate = check.onlineDataVersion && *check.onlineDataVersion != databaseVersion;
    return check;
}

}  // namespace volmira::app
