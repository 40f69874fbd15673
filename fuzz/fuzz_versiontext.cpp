// libFuzzer target for the version check: arbitrary bytes as the two answers
// of the download site (split at the first byte's count), through the
// comparison to the data version an update import would store and its date.
#include "app/VersionCheck.h"
#include "store/DateText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace volmira;

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0) return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    const qsizetype split = std::min<qsizetype>(data[0], bytes.size());
    const platform::OnlineVersionTexts online{platform::versionText(bytes.left(split)),
                                              platform::versionText(bytes.mid(split))};
    for (const QString &local : {QStringLiteral("15.01.2011"), QString()}) {
        const app::VersionCheck check = app::checkVersions(QStringLiteral("1.0.3"), local, online);
        require(check.error.isEmpty() && check.onlineProgramVersion && check.onlineDataVersion);
        require(check.onlineProgramVersion->size() <= app::kMaxProgramVersionLength ||
                *check.onlineProgramVersion == QStringLiteral("1.0.3"));
        require(check.programUpdate == (!check.onlineProgramVersion->isEmpty() && *check.onlineProgramVersion != "1.0.3"));
        require(!check.dataUpdate || (!check.onlineDataVersion->isEmpty() && *check.onlineDataVersion != local));
        if (check.importDataVersion) {
            // Stored as fetched but for trailing blanks; the history's date is read from it.
            require(online.data.startsWith(*check.importDataVersion) &&
                    online.data.mid(check.importDataVersion->size()).trimmed().isEmpty());
            const QDate day = store::parseStoredDate(*check.importDataVersion);
            require(day.isValid() && !store::storedDateText(day).isEmpty() && !store::germanDateLong(day).isEmpty());
        }
    }
    return 0;
}
