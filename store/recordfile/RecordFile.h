#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>

#include <memory>
#include <variant>
#include <vector>

// Record files: one self-describing table (declared columns, then rows) in the
// XML form the record-set library persists. Files that library writes keep raw
// CR, LF, tab and other control characters inside values, which a conforming
// XML parser folds or rejects, so the reader is a small tokenizer of its own.
namespace volmira::store::recordfile {

// The column kinds the program writes; declarations of other kinds are read
// into the nearest of these (all integer widths as Integer, r4 as Single,
// number/currency/decimal as Double, uuid, bin.hex and unknown types as Text).
enum class FieldType {
    Text,      // varchar(size), the library's type 200
    LongText,  // long Unicode text(size), 203; never truncated
    Integer,   // 32-bit integer, 3
    Double,    // 5
    Single,    // 4
    Boolean,   // 11
    DateTime,  // OLE date with time of day, 7
};

struct FieldDef {
    QString name;  // the name the record set exposes (rs:name when aliased)
    FieldType type = FieldType::Text;
    int size = 0;  // declared size; 0 when none was declared
    bool nullable = true;
};

// An OLE date: day 1899-12-30 holds a time of day alone.
struct DateTime {
    QDate date;
    QTime time;  // whole seconds
    friend bool operator==(const DateTime &, const DateTime &) = default;
};

inline const QDate kOleDayZero{1899, 12, 30};

// std::monostate is null, which is not the empty text.
using Value = std::variant<std::monostate, QString, qint64, double, bool, DateTime>;
using Row = std::vector<Value>;

[[nodiscard]] inline bool isNull(const Value &value) {
    return std::holds_alternative<std::monostate>(value);
}

// Streams the visible rows of a record file: plain rows and updated rows (the
// original overlaid by the change and its rs:forcenull list) and inserted
// rows, in the order of the file; deleted rows are skipped. The file is read
// into memory whole when opened.
class Reader {
public:
    Reader();
    ~Reader();
    Reader(const Reader &) = delete;
    Reader &operator=(const Reader &) = delete;

    // Opens the file and reads its column declarations. Returns a German
    // message naming the file when it cannot be read or is no record file.
    [[nodiscard]] platform::Result<> open(const QString &path);
    // The same over bytes in memory; `name` stands for the file in messages.
    [[nodiscard]] platform::Result<> openBytes(QByteArray bytes, const QString &name);

    // The bytes read by open(), for another pass over the same content.
    [[nodiscard]] QByteArray bytes() const;

    [[nodiscard]] const std::vector<FieldDef> &fields() const;
    // The column called `name` in any case, or -1.
    [[nodiscard]] int fieldIndex(QStringView name) const;

    // From now on reads only the values of the fields marked true, by field
    // index; the others stay null and their values are not checked. A pass
    // that needs a few columns of a large file is much quicker so.
    void readOnly(std::vector<bool> wanted);

    // Reads the next row into `row` (one value per field). False at the end of
    // the rows or on an error; error() tells which. A value that does not fit
    // its column and a truncated file are errors that name the row (counted
    // from 1). A value of a column the schema does not declare is ignored.
    [[nodiscard]] bool next(Row &row);
    [[nodiscard]] const QString &error() const;
    // The values ignored so far because their column is not declared.
    [[nodiscard]] qint64 ignoredValues() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Writes a record file in the library's layout (UTF-8, CR LF, plain rows),
// atomically: nothing appears under the target name unless commit() succeeds,
// and an existing file is replaced only then.
class Writer {
public:
    Writer(QString path, std::vector<FieldDef> fields);
    ~Writer();
    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;

    [[nodiscard]] platform::Result<> open();
    // One value per field, in the order of the fields. Values of another
    // alternative than the column's type are written as they are.
    void write(const Row &row);
    [[nodiscard]] platform::Result<> commit();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace volmira::store::recordfile
