#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

namespace volmira::platform {

class Transfer;

// The two version texts of the maker's download site, exactly as they arrive.
struct OnlineVersionTexts {
    // version-prog.txt, e.g. "1.0.4"; nothing when it could not be fetched
    // (an answer over 4 KiB included), which counts as the local version.
    std::optional<QString> program;
    QString data;  // version-data.txt, a date
};

// A version file's bytes as text; invalid UTF-8 becomes replacement characters,
// which no version holds, so such an answer never matches a local version.
[[nodiscard]] inline QString versionText(const QByteArray &bytes) { return QString::fromUtf8(bytes); }

// Asks the download site for the newest program and data versions, behind an
// interface so that the start-up is testable without a network. Blocking: the
// start-up calls it on a worker thread and may abort it.
class VersionSource {
public:
    virtual ~VersionSource() = default;
    // Both texts, or a German message when the data version got no answer.
    [[nodiscard]] virtual Result<OnlineVersionTexts> fetch(const std::atomic<bool> &abort) = 0;
};

// The download site over HTTP: the program version, then the data version,
// both within one time limit. A failed program version does not end the
// check: the data version is still asked for and compared.
class DownloadVersionSource final : public VersionSource {
public:
    explicit DownloadVersionSource(Transfer &transfer, std::chrono::milliseconds limit = std::chrono::seconds(5))
        : transfer_(transfer), limit_(limit) {}
    [[nodiscard]] Result<OnlineVersionTexts> fetch(const std::atomic<bool> &abort) override;

private:
    Transfer &transfer_;
    std::chrono::milliseconds limit_;
};

// Answers what the test sets after an optional delay (an abort cuts it short
// with a failure), and counts the questions.
class FakeVersionSource final : public VersionSource {
public:
    [[nodiscard]] Result<OnlineVersionTexts> fetch(const std::atomic<bool> &abort) override {
        ++asked;
        const auto end = std::chrono::steady_clock::now() + delay;
        while (std::chrono::steady_clock::now() < end) {
            if (abort) return Failure{QStringLiteral("abgebrochen")};
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return answer;
    }

    Result<OnlineVersionTexts> answer = Failure{QStringLiteral("Server nicht erreichbar")};
    std::chrono::milliseconds delay{0};
    std::atomic<int> asked = 0;
};

}  // namespace volmira::platform
