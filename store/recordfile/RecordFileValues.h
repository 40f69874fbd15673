#pragma once

#include "store/recordfile/RecordFile.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <string_view>

// Value texts of record files, shared by the reader and the writer: the type
// a column declaration stands for, the parsing of the stored texts and their
// formatting in the library's own forms.
namespace volmira::store::recordfile::detail {

// How the texts of a column are read. Integers keep their declared width for
// the range check; the FieldType alone would lose it.
enum class Kind : std::uint8_t {
    Text,
    Int8,
    UInt8,
    Int16,
    UInt16,
    Int32,
    UInt32,
    Int64,
    UInt64,
    Double,
    Single,
    Boolean,
    DateTime,
};

// The type attributes of one column, wherever the file put them.
struct TypeDeclaration {
    QString dtType;                   // dt:type, empty when none was given
    std::optional<qint64> maxLength;  // dt:maxLength
    bool isLong = false;              // rs:long
};

struct ColumnType {
    FieldType type = FieldType::LongText;
    Kind kind = Kind::Text;
    int size = 0;
};

[[nodiscard]] ColumnType columnType(const TypeDeclaration &declaration);

// true/false/1/0/-1 in any case; anything else is nullopt.
[[nodiscard]] std::optional<bool> flag(QStringView text);

enum class ValueFault { None, Malformed, OutOfRange };

// Parses the decoded text of a non-text column into `value`.
[[nodiscard]] ValueFault parseValue(Kind kind, std::string_view text, Value &value);
[[nodiscard]] std::optional<DateTime> parseDateTime(std::string_view text);

// Writer side. The texts append to `out` in the library's forms: %.17G for
// doubles, %.8G for singles, both in the C locale.
void appendDouble(QByteArray &out, double value);
void appendSingle(QByteArray &out, double value);
void appendInteger(QByteArray &out, qint64 value);
// yyyy-mm-ddThh:mm:ss; a time alone on day 1899-12-30. False when the value
// lies outside the years 100 to 9999, which the library cannot hold.
[[nodiscard]] bool appendDateTime(QByteArray &out, const DateTime &value);
// UTF-8 for an attribute value between single quotes: & < > " ' and TAB, LF,
// CR as character references; other C0 controls, unpaired surrogates and the
// non-characters U+FFFE/U+FFFF are dropped, since XML cannot carry them.
void appendEscaped(QByteArray &out, QStringView text);

}  // namespace volmira::store::recordfile::detail
