#pragma once

#include "platform/Result.h"
#include "store/Stamp.h"

namespace volmira::test {

// A guarded write's outcome in a word for a table: "written", "changed
// <stamp of the stored row>", "vanished", or the failure's message.
template <typename Written, typename Row>
QString outcomeOf(const platform::Result<store::Guarded<Written, Row>> &outcome) {
    if (!outcome) return outcome.error();
    const auto *other = std::get_if<store::Meanwhile<Row>>(&*outcome);
    if (!other) return QStringLiteral("written");
    if (!other->stored) return QStringLiteral("vanished");
    return QStringLiteral("changed %1 %2").arg(other->stored->Date, other->stored->Time);
}

}  // namespace volmira::test
