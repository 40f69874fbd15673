#include "browser/LastAirportFile.h"

#include "store/WriteNotation.h"

namespace volmira::browser {

std::optional<QString> readLastAirport(const QString &path) {
    const std::optional<QList<store::WrittenValue>> values = store::readWrittenFile(path);
    if (!values || values->isEmpty()) return std::nullopt;
    const store::WrittenValue &first = values->front();
    if (!first.quoted && first.text.isEmpty()) return std::nullopt;
    return first.text;
}

platform::Result<> writeLastAirport(const QString &path, const QString &code) {
    return store::writeWrittenFile(path, {store::quotedText(code)});
}

}  // namespace volmira::browser
