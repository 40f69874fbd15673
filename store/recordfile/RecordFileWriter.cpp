#include "store/recordfile/RecordFile.h"

#include "store/recordfile/RecordFileValues.h"

#include "platform/AtomicFile.h"

#include <QFileInfo>
#include <QSet>

#include <cmath>
#include <limits>

namespace volmira::store::recordfile {

using namespace detail;

namespace {

// Rows gather here and go to the file in blocks of this size.
constexpr qsizetype kFlushBytes = 1 << 16;

constexpr char kHeader[] =
    "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882'\r\n"
    "\txmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882'\r\n"
    "\txmlns:rs='urn:schemas-microsoft-com:rowset'\r\n"
    "\txmlns:z='#RowsetSchema'>\r\n"
    "<s:Schema id='RowsetSchema'>\r\n"
    "\t<s:ElementType name='row' content='eltOnly' rs:updatable='true'>\r\n";

constexpr char kSchemaEnd[] =
    "\t\t<s:extends type='rs:rowbase'/>\r\n"
    "\t</s:ElementType>\r\n"
    "</s:Schema>\r\n"
    "<rs:data>\r\n";

constexpr char kEnd[] = "</rs:data>\r\n</xml>";

// A name the library writes as it is; others get an alias.
bool isPlainName(const QString &name) {
    if (name.isEmpty() || name.startsWith(QLatin1String("xml"), Qt::CaseInsensitive)) return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
        if (!letter && (i == 0 || c < u'0' || c > u'9')) return false;
    }
    return true;
}

// The attribute names in rows. The library aliases a name that is no plain
// XML name as c<k> (k the zero-based column) and keeps the real name in
// rs:name; names equal but for case are aliased too, since rows match them
// without case.
std::vector<QString> xmlNames(const std::vector<FieldDef> &fields) {
    std::vector<QString> names(fields.size());
    QSet<QString> taken;
    for (size_t i = 0; i < fields.size(); ++i) {
        const QString lower = fields[i].name.toLower();
        if (isPlainName(fields[i].name) && !taken.contains(lower)) {
            names[i] = fields[i].name;
            taken.insert(lower);
        }
    }
    for (size_t i = 0; i < fields.size(); ++i) {
        if (!names[i].isEmpty()) continue;
        QString alias = QStringLiteral("c%1").arg(i);
        for (int n = 1; taken.contains(alias); ++n) alias = QStringLiteral("c%1_%2").arg(i).arg(n);
        names[i] = alias;
        taken.insert(alias);
    }
    return names;
}

// The s:datatype line of each kind, as the library declares it.
QByteArray datatypeLine(const FieldDef &field) {
    // A text without size has no limit: declared long, so it is never cut.
    const QByteArray length = QByteArray::number(field.size > 0 ? qint64(field.size) : qint64(4294967295));
    switch (field.type) {
    case FieldType::Text:
        if (field.size > 0)
            return "dt:type='string' rs:dbtype='str' dt:maxLength='" + length +
                   "' rs:precision='0' rs:maybenull='false'";
        return "dt:type='string' rs:dbtype='str' dt:maxLength='" + length +
               "' rs:precision='0' rs:long='true' rs:maybenull='false'";
    case FieldType::LongText:
        return "dt:type='string' dt:maxLength='" + length + "' rs:precision='0' rs:long='true' rs:maybenull='false'";
    case FieldType::Integer:
        return "dt:type='int' dt:maxLength='4' rs:precision='0' rs:fixedlength='true' rs:maybenull='false'";
    case FieldType::Double:
        return "dt:type='float' dt:maxLength='8' rs:precision='0' rs:fixedlength='true' rs:maybenull='false'";
    case FieldType::Single:
        return "dt:type='r4' dt:maxLength='4' rs:precision='0' rs:fixedlength='true' rs:maybenull='false'";
    case FieldType::Boolean:
        return "dt:type='boolean' dt:maxLength='2' rs:precision='0' rs:fixedlength='true' rs:maybenull='false'";
    case FieldType::DateTime:
        return "dt:type='dateTime' rs:dbtype='variantdate' dt:maxLength='16' rs:precision='0' "
               "rs:fixedlength='true' rs:maybenull='false'";
    }
    return {};
}

}  // namespace

struct Writer::Impl {
    QString fileName;
    std::vector<FieldDef> fields;
    std::vector<QByteArray> rowNames;  // " NAME='" ready to append
    std::unique_ptr<platform::AtomicFile> file;
    QByteArray buffer;
    QString error;
    qint64 rows = 0;
    bool open = false;

    void fail(const QString &detail) {
        if (error.isEmpty())
            error = QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden: %2.").arg(fileName, detail);
    }
    void flush() {
        file->write(buffer);
        buffer.clear();
    }
    void writeSchema();
    void writeValue(const FieldDef &field, const Value &value);
};

void Writer::Impl::writeSchema() {
    buffer += kHeader;
    const std::vector<QString> names = xmlNames(fields);
    for (size_t i = 0; i < fields.size(); ++i) {
        const FieldDef &field = fields[i];
        buffer += "\t\t<s:AttributeType name='";
        appendEscaped(buffer, names[i]);
        buffer += '\'';
        if (names[i] != field.name) {
            buffer += " rs:name='";
            appendEscaped(buffer, field.name);
            buffer += '\'';
        }
        buffer += " rs:number='";
        appendInteger(buffer, qint64(i) + 1);
        buffer += field.nullable ? "' rs:nullable='true' rs:write='true'>\r\n" : "' rs:write='true'>\r\n";
        buffer += "\t\t\t<s:datatype " + datatypeLine(field) + "/>\r\n";
        buffer += "\t\t</s:AttributeType>\r\n";
        QByteArray rowName(" ");
        appendEscaped(rowName, names[i]);
        rowNames.push_back(rowName + "='");
    }
    buffer += kSchemaEnd;
}

void Writer::Impl::writeValue(const FieldDef &field, const Value &value) {
    if (const auto *text = std::get_if<QString>(&value)) {
        appendEscaped(buffer, *text);
    } else if (const auto *integer = std::get_if<qint64>(&value)) {
        // Integer columns are declared as 32-bit int; the library refuses more.
        if (field.type == FieldType::Integer &&
            (*integer < std::numeric_limits<qint32>::min() || *integer > std::numeric_limits<qint32>::max()))
            fail(QStringLiteral("Zeile %1: der Wert %2 der Spalte %3 passt nicht in eine 32-Bit-Zahl")
                     .arg(rows)
                     .arg(*integer)
                     .arg(field.name));
        else
            appendInteger(buffer, *integer);
    } else if (const auto *number = std::get_if<double>(&value)) {
        // The library can neither write nor read NaN and infinities.
        if (!std::isfinite(*number) || (field.type == FieldType::Single && std::isinf(float(*number))))
            fail(QStringLiteral("Zeile %1: der Wert der Spalte %2 ist keine darstellbare Zahl")
                     .arg(rows)
                     .arg(field.name));
        else if (field.type == FieldType::Single)
            appendSingle(buffer, *number);
        else
            appendDouble(buffer, *number);
    } else if (const auto *flag = std::get_if<bool>(&value)) {
        buffer += *flag ? "True" : "False";
    } else if (const auto *date = std::get_if<DateTime>(&value)) {
        if (!appendDateTime(buffer, *date))
            fail(QStringLiteral("Zeile %1: das Datum der Spalte %2 liegt außerhalb der Jahre 100 bis 9999")
                     .arg(rows)
                     .arg(field.name));
    }
}

Writer::Writer(QString path, std::vector<FieldDef> fields) : impl_(std::make_unique<Impl>()) {
    impl_->fileName = QFileInfo(path).fileName();
    impl_->file = std::make_unique<platform::AtomicFile>(path);
    impl_->fields = std::move(fields);
}

Writer::~Writer() = default;

platform::Result<> Writer::open() {
    Impl &impl = *impl_;
    if (impl.fields.empty()) {
        impl.fail(QStringLiteral("es sind keine Spalten angegeben"));
        return platform::Failure{impl.error};
    }
    if (const platform::Result<> opened = impl.file->open(); !opened) {
        impl.error = opened.error();
        return platform::Failure{impl.error};
    }
    impl.open = true;
    impl.buffer.reserve(kFlushBytes + kFlushBytes / 4);
    impl.writeSchema();
    return {};
}

void Writer::write(const Row &row) {
    Impl &impl = *impl_;
    if (!impl.open || !impl.error.isEmpty()) return;
    ++impl.rows;
    if (row.size() != impl.fields.size()) {
        impl.fail(QStringLiteral("Zeile %1 hat %2 Werte für %3 Spalten")
                      .arg(impl.rows)
                      .arg(row.size())
                      .arg(impl.fields.size()));
        return;
    }
    impl.buffer += "\t<z:row";
    for (size_t i = 0; i < row.size(); ++i) {
        if (isNull(row[i])) continue;
        impl.buffer += impl.rowNames[i];
        impl.writeValue(impl.fields[i], row[i]);
        impl.buffer += '\'';
    }
    impl.buffer += "/>\r\n";
    if (impl.buffer.size() >= kFlushBytes) impl.flush();
}

platform::Result<> Writer::commit() {
    Impl &impl = *impl_;
    if (!impl.open) {
        impl.fail(QStringLiteral("die Datei wurde nicht geöffnet"));
        return platform::Failure{impl.error};
    }
    impl.open = false;
    impl.buffer += kEnd;
    impl.flush();
    // On an error the temporary file is dropped; an existing file stays.
    if (!impl.error.isEmpty()) return platform::Failure{impl.error};
    platform::Result<> committed = impl.file->commit();
    if (!committed) impl.error = committed.error();
    return committed;
}

}  // namespace volmira::store::recordfile
