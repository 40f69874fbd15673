#include "app/VersionCheck.h"

#include "store/DateText.h"

namespace volmira::app {

namespace {

// Trailing blanks and line ends are no part of a version: every editor ends a
// file with a line feed.
QString withoutTrailingBlanks(const QString &text) {
    qsizetype end = text.size();
    while (end > 0 && QStringView(u" \t\r\n").contains(text[end - 1])) --end;
    return text.left(end);
}

// The site's version, or the local one when the text as it came is too long
// to be one ("9.9.9\r\n" included).
QString plausible(const QString &text, qsizetype maxLength, const QString &local) {
    return text.size() > maxLength ? local : withoutTrailingBlanks(text);
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
    const QString program =
        plausible(online->program.value_or(programVersion), kMaxProgramVersionLength, programVersion);
    const QString data = plausible(online->data, kMaxDataVersionLength, databaseVersion);
    check.onlineProgramVersion = program;
    check.onlineDataVersion = data;
    check.programUpdate = differs(program, programVersion);
    check.dataUpdate = differs(data, databaseVersion);
    if (online->data.size() <= kMaxDataVersionLength && store::parseStoredDate(data).isValid())
        check.importDataVersion = data;
    return check;
}

}  // namespace volmira::app
