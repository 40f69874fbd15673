#include "browser/RecentAirports.h"

#include "store/IcaoCode.h"
#include "store/WriteNotation.h"

#include <QHash>

namespace volmira::browser {

RecentAirports RecentAirports::read(const QString &path) {
    RecentAirports recent;
    const std::optional<QList<store::WrittenValue>> values = store::readWrittenFile(path);
    if (!values || values->size() > kRecentAirportsLimit) return recent;
    QStringList codes;
    for (const store::WrittenValue &value : *values) {
        const platform::Result<QString> code = store::checkedIcaoCode(value.text);
        if (!code) return recent;
        codes.append(*code);
    }
    // Pushed oldest first, so that a code written twice keeps its newer place.
    for (auto code = codes.crbegin(); code != codes.crend(); ++code) recent.push(*code);
    return recent;
}

void RecentAirports::push(const QString &icao) {
    codes_.removeAll(icao);
    codes_.prepend(icao);
    if (codes_.size() > kRecentAirportsLimit) codes_.resize(kRecentAirportsLimit);
}

void RecentAirports::keepOnly(const QStringList &known) {
    codes_.removeIf([&known](const QString &code) { return !known.contains(code); });
}

platform::Result<> RecentAirports::write(const QString &path) const {
    QList<store::WrittenValue> values;
    for (const QString &code : codes_) values.append(store::quotedText(code));
    return store::writeWrittenFile(path, values);
}

platform::Result<std::vector<store::NameHit>> namedAirports(store::AirportReads &reads, const QStringList &codes) {
    platform::Result<std::vector<store::NameHit>> found = reads.namesOf(codes);
    if (!found) return found;
    QHash<QString, QString> names;
    for (const store::NameHit &hit : *found) names.insert(hit.ICAO, hit.NAME);
    std::vector<store::NameHit> ordered;
    for (const QString &code : codes)
        if (const auto name = names.constFind(code); name != names.cend()) ordered.push_back({*name, code});
    return ordered;
}

}  // namespace volmira::browser
