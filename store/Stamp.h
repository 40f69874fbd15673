#pragma once

#include "platform/Clock.h"

#include <QString>

namespace volmira::store {

// Date and time of day of a row stamp, as stored.
struct Stamp {
    QString Date;  // YYYY-MM-DD
    QString Time;  // HH:MM:SS
};

// The stamp of a row changed now, by the clock of the program (a fake one in tests).
[[nodiscard]] inline Stamp stampNow(const platform::Clock &clock) {
    const QDateTime at = clock.now();
    return {at.date().toString(QStringLiteral("yyyy-MM-dd")), at.time().toString(QStringLiteral("HH:mm:ss"))};
}

}  // namespace volmira::store
