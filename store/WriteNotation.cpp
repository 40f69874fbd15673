#include "store/WriteNotation.h"

#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"

#include <QFile>

namespace volmira::store {

namespace {

bool endsItem(QChar c) { return c == u',' || c == u'\r' || c == u'\n'; }
// The blanks a bare value loses at its ends, so that none of them hides a
// quote at the start of one: written back bare it would read as quoted.
bool isBlank(QChar c) { return c.isSpace() && !endsItem(c); }

// The quoted value starting after the opening quote at `at`; `at` ends after
// the closing quote, or at the end of the text when there is none.
QString quotedValue(const QString &text, qsizetype &at) {
    QString value;
    while (at < text.size()) {
        const QChar c = text[at++];
        if (c != u'"') {
            value.append(c);
        } else if (at < text.size() && text[at] == u'"') {
            value.append(c);
            ++at;
        } else {
            break;
        }
    }
    return value;
}

}  // namespace

std::optional<qint64> WrittenValue::integer() const {
    if (quoted || text.isEmpty()) return std::nullopt;
    const qsizetype first = (text[0] == u'+' || text[0] == u'-') ? 1 : 0;
    if (first == text.size()) return std::nullopt;
    for (qsizetype i = first; i < text.size(); ++i)
        if (text[i] < u'0' || text[i] > u'9') return std::nullopt;
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    return ok ? std::optional<qint64>(number) : std::nullopt;
}

QList<WrittenValue> readWrittenValues(QByteArrayView bytes) {
    const QString text = QString::fromUtf8(bytes);
    QList<WrittenValue> values;
    qsizetype at = 0;
    while (at < text.size()) {
        while (at < text.size() && isBlank(text[at])) ++at;
        if (at < text.size() && text[at] == u'"') {
            ++at;
            values.append({quotedValue(text, at), true});
            while (at < text.size() && !endsItem(text[at])) ++at;
        } else {
            const qsizetype start = at;
            while (at < text.size() && !endsItem(text[at])) ++at;
            values.append({text.mid(start, at - start).trimmed(), false});
        }
        if (at == text.size()) break;
        if (text[at] == u',') {
            ++at;
            if (at == text.size()) values.append(WrittenValue{});  // "a," holds an empty second value
            continue;
        }
        at += (text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n') ? 2 : 1;
    }
    return values;
}

std::optional<QList<WrittenValue>> readWrittenFile(const QString &path) {
    const platform::Result<std::unique_ptr<QFile>> file = platform::openRegularFile(path);
    if (!file) return std::nullopt;
    const QByteArray bytes = (*file)->read(kSettingsReadLimit);
    if ((*file)->error() != QFileDevice::NoError) return std::nullopt;
    return readWrittenValues(bytes);
}

QByteArray writtenLines(const QList<WrittenValue> &values) {
    QString text;
    for (const WrittenValue &value : values) {
        if (value.quoted) {
            QString inner = value.text;
            text += u'"' + inner.replace(u'"', QStringLiteral("\"\"")) + u'"';
        } else {
            text += value.text;
        }
        text += QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

platform::Result<> writeWrittenFile(const QString &path, const QList<WrittenValue> &values) {
    return platform::writeFileAtomically(path, writtenLines(values));
}

}  // namespace volmira::store
