#pragma once

#include <QDateTime>

namespace volmira::platform {

// The local clock, behind an interface so that row stamps are testable.
class Clock {
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    [[nodiscard]] QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A clock that says what the test sets.
class FakeClock final : public Clock {
public:
    explicit FakeClock(QDateTime at) : at_(std::move(at)) {}
    [[nodiscard]] QDateTime now() const override { return at_; }
    void set(QDateTime at) { at_ = std::move(at); }

private:
    QDateTime at_;
};

}  // namespace volmira::platform
