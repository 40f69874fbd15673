#pragma once

#include <QString>

#include <optional>

namespace volmira::platform {

// The two version texts of the maker's download site, exactly as they arrive.
struct OnlineVersionTexts {
    QString program;  // version-prog.txt, e.g. "1.0.4"
    QString data;     // version-data.txt, a date
};

// Asks the download site for the newest program and data versions, behind an
// interface so that the start-up is testable without a network.
class VersionSource {
public:
    virtual ~VersionSource() = default;
    // Nothing when the site gave no answer to either question (no network, an error).
    [[nodiscard]] virtual std::optional<OnlineVersionTexts> fetch() = 0;
};

// This build asks no server: it answers as an unreachable site does, so the
// start-up shows no update notice and goes on.
class OfflineVersionSource final : public VersionSource {
public:
    [[nodiscard]] std::optional<OnlineVersionTexts> fetch() override { return std::nullopt; }
};

// Answers what the test sets, and counts the questions.
class FakeVersionSource final : public VersionSource {
public:
    [[nodiscard]] std::optional<OnlineVersionTexts> fetch() override {
        ++asked;
        return answer;
    }

    std::optional<OnlineVersionTexts> answer;
    int asked = 0;
};

}  // namespace volmira::platform
