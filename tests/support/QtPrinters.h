#pragma once

#include "store/recordfile/RecordFile.h"

#include <QString>

#include <ostream>

// Lets GoogleTest print a QString as text in failure messages.
inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace volmira::store::recordfile {
// Found by argument-dependent lookup, so it lives beside the type.
inline void PrintTo(const DateTime &value, std::ostream *out) {
    *out << value.date.toString(Qt::ISODate).toStdString() << 'T' << value.time.toString(Qt::ISODate).toStdString();
}
}  // namespace volmira::store::recordfile
