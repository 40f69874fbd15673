#pragma once

#include "store/Rows.h"

#include <QSet>

#include <utility>

namespace volmira::store::exchange {

// Remembers rows by their values (internal ids aside, null taken as empty),
// so that an import adds no row identical to one the airport already has.
// Each row is kept as two independent 64-bit hashes of its values: the file
// of every airport holds a few hundred thousand rows, which the full texts
// would make tens of megabytes.
class DuplicateRows {
public:
    // True when an identical row was remembered before; remembers it otherwise.
    template <typename Row>
    bool seen(const Row &row) {
        return !remember(keyOf(row));
    }

private:
    static QString keyOf(const RwyRow &r);
    static QString keyOf(const AcomRow &r);
    static QString keyOf(const IlsRow &r);
    static QString keyOf(const MyInfoRow &r);
    bool remember(const QString &key);  // false when it was there

    QSet<std::pair<size_t, size_t>> rows_;
};

}  // namespace volmira::store::exchange
