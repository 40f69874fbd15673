#include "browser/LastAirportFile.h"

#include "platform/AtomicFile.h"

#include <QFile>

namespace volmira::browser {

namespace {

// An airport code is a few letters; a larger file is read only this far.
constexpr qint64 kReadLimit = 4096;

bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }

}  // namespace

std::optional<QString> readLastAirport(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QString text = QString::fromUtf8(file.read(kReadLimit));
    if (file.error() != QFileDevice::NoError) return std::nullopt;

    qsizetype at = 0;
    while (at < text.size() && isBlank(text[at].unicode())) ++at;
    if (at == text.size()) return std::nullopt;
    if (text[at] == u'"') {
        const qsizetype close = text.indexOf(u'"', at + 1);
        return text.mid(at + 1, close < 0 ? -1 : close - at - 1);
    }
    qsizetype end = at;
    while (end < text.size() && text[end] != u',' && text[end] != u'\r' && text[end] != u'\n') ++end;
    return text.mid(at, end - at).trimmed();
}

platform::Result<> writeLastAirport(const QString &path, const QString &code) {
    return platform::writeFileAtomically(path, QByteArray("\"") + code.toUtf8() + QByteArray("\"\r\n"));
}

}  // namespace volmira::browser
