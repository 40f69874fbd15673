#pragma once

#include <QString>
#include <QStringList>

#include <algorithm>
#include <utility>
#include <vector>

namespace volmira::store {

// Case-folded form of a name for the quick-find: "Ä" and "ä" fold alike.
[[nodiscard]] QString foldName(const QString &name);

// Key that sorts names the way a German reader expects: without regard to
// case, umlauts beside their base letter (Ä as A, ß as ss).
[[nodiscard]] QString germanSortKey(const QString &name);

// The keys a name is found under by the beginning of what a pilot types:
// germanSortKey of the name and, for a name with umlauts, also the key with
// them spelt out (ö as oe), so that "Koeln", "Koln" and "Köln" all find "Köln".
// What is typed is folded by germanSortKey alone.
[[nodiscard]] QStringList searchKeys(const QString &name);

// Rows in the order of germanSortKey(text(row)); rows of equal keys keep their order.
template <typename Row, typename Text>
[[nodiscard]] std::vector<Row> sortedGerman(std::vector<Row> rows, Text text) {
    std::vector<std::pair<QString, Row>> keyed;
    keyed.reserve(rows.size());
    for (Row &row : rows) keyed.emplace_back(germanSortKey(text(row)), std::move(row));
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    rows.clear();
    for (auto &k : keyed) rows.push_back(std::move(k.second));
    return rows;
}

}  // namespace volmira::store
