#include "platform/VersionSource.h"

#include "platform/OnlineConfig.h"
#include "platform/Transfer.h"

namespace volmira::platform {

Result<OnlineVersionTexts> DownloadVersionSource::fetch(const std::atomic<bool> &abort) {
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + limit_;
    auto get = [&](const char *path) -> Result<QByteArray> {
        const auto left = duration_cast<milliseconds>(deadline - steady_clock::now());
        if (left <= milliseconds(0)) return Failure{transfer_cause::timeout};
        const FetchRequest request{online::downloadUrl(path),
                                   {QString::fromLatin1(online::kDownloadUser),
                                    QString::fromLatin1(online::kDownloadPassword)},
                                   left};
        return transfer_.fetch(request, abort);
    };
    auto failed = [](const QString &cause) {
        return Failure{QStringLiteral("Die Versionsprüfung ist fehlgeschlagen: ") + cause + u'.'};
    };
    const Result<QByteArray> program = get(online::kProgramVersionPath);
    const Result<QByteArray> data = get(online::kDataVersionPath);
    if (!data) return failed(data.error());
    return OnlineVersionTexts{program ? std::optional(versionText(*program)) : std::nullopt, versionText(*data)};
}

}  // namespace volmira::platform
