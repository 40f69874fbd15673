#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

// The notation of the small settings files (Apt.crm, dbs.crm): one value per
// line ended by CR LF, numbers bare, text in double quotes with an inner quote
// doubled. Reading is lenient as the files may have been edited by hand:
// values may also be separated by commas, lines may end in LF or CR alone.
namespace volmira::store {

// One value as it stood in the file.
struct WrittenValue {
    QString text;         // without the quotes, a doubled quote made single
    bool quoted = false;  // false: a bare item, blanks around removed

    // The value as a whole number: bare, an optional sign and digits only.
    [[nodiscard]] std::optional<qint64> integer() const;
    friend bool operator==(const WrittenValue &, const WrittenValue &) = default;
};

// A settings file is a few short lines; a larger one is read only this far.
inline constexpr qint64 kSettingsReadLimit = 4096;

// The values of a text in file order, the text taken as UTF-8. A quoted value
// runs to its closing quote, line ends included, or without one to the end;
// what follows a closing quote up to the next comma or line end is ignored.
// An empty line is an empty bare value; a final line end starts no value.
[[nodiscard]] QList<WrittenValue> readWrittenValues(QByteArrayView text);

// The values of a file; nothing when it is missing or cannot be read.
[[nodiscard]] std::optional<QList<WrittenValue>> readWrittenFile(const QString &path);

// The lines of the values: text quoted unless it is marked bare.
[[nodiscard]] QByteArray writtenLines(const QList<WrittenValue> &values);

// Replaces the file with the lines of the values atomically.
[[nodiscard]] platform::Result<> writeWrittenFile(const QString &path, const QList<WrittenValue> &values);

// A number as a bare value, a text as a quoted one.
[[nodiscard]] inline WrittenValue bareNumber(qint64 number) { return {QString::number(number), false}; }
[[nodiscard]] inline WrittenValue quotedText(const QString &text) { return {text, true}; }

}  // namespace volmira::store
