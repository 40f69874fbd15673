#include "app/VersionCheck.h"

#include "store/DateText.h"

namespace volmira::app {

namespace {

// The site's text, or the local version when the text is too long to be one.
QString plausible(const QString &text, qsizetype maxLength, const QString &local) {
    return text.size() > maxLength ? local : text;
}

// An empty answer never counts; any other difference does.
bool differs(const QString &online, const QString &local) { return !online.isEmpty() && online != local; }

}  // namespace

VersionCheck checkVersions(const QString &programVersion, const QString &databaseVersion,
                           const platform::Result<platform::OnlineVersionTexts> &online) {
    VersionCheck check;
    if (!online) {
        check.error = online.error();
        return check;
    }
    const QString program = plausible(online->program, kMaxProgramVersionLength, programVersion);
    const QString data = plausible(online->data, kMaxDataVersionLength, databaseVersion);
    check.onlineProgramVersion = program;
    check.onlineDataVersion = data;
    check.programUpdate = differs(program, programVersion);
    check.dataUpdate = differs(data, databaseVersion);
    if (online->data.size() <= kMaxDataVersionLength && store::parseStoredDate(online->data).isValid())
        check.importDataVersion = online->data;
    return check;
}

}  // namespace volmira::app
