#pragma once

#include <QString>

#include <utility>
#include <variant>

namespace volmira::platform {

// Why something failed: a German sentence the caller can show as it stands.
struct Failure {
    QString message;
};

// The one error shape of the program: a value, or a German message saying why
// there is none. Store, exchange code, command line and windows pass it on
// unchanged; nothing is thrown through the windows.
template <typename T = void>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(Failure failure) : state_(std::move(failure)) {}

    [[nodiscard]] bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    // Only on success.
    [[nodiscard]] const T &value() const & { return std::get<T>(state_); }
    [[nodiscard]] T &value() & { return std::get<T>(state_); }
    // By value, so that `for (x : read().value())` does not outlive the result.
    [[nodiscard]] T value() && { return std::get<T>(std::move(state_)); }
    const T *operator->() const { return &value(); }
    T *operator->() { return &value(); }
    const T &operator*() const & { return value(); }
    T &operator*() & { return value(); }

    // Empty on success.
    [[nodiscard]] QString error() const { return ok() ? QString() : std::get<Failure>(state_).message; }

private:
    std::variant<T, Failure> state_;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    // A failure always carries a message, so that it never reads as success.
    Result(Failure failure)
        : message_(failure.message.isEmpty() ? QStringLiteral("Unbekannter Fehler.") : std::move(failure.message)) {}

    [[nodiscard]] bool ok() const { return message_.isEmpty(); }
    explicit operator bool() const { return ok(); }
    [[nodiscard]] const QString &error() const { return message_; }

private:
    QString message_;
};

}  // namespace volmira::platform
