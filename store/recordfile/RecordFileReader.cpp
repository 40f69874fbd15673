#include "store/recordfile/RecordFile.h"

#include "store/recordfile/RecordFileSchema.h"
#include "store/recordfile/RecordFileTokenizer.h"
#include "store/recordfile/RecordFileValues.h"

#include "platform/RegularFile.h"
#include "platform/SystemError.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>

#include <algorithm>
#include <string>

namespace volmira::store::recordfile {

using namespace detail;

namespace {

// Where an element stands; decides what its children mean.
enum class Role : std::uint8_t {
    Root,
    Skip,
    Schema,
    ElementType,
    AttributeType,
    Datatype,
    Reference,
    Data,
    Insert,
    Update,
    Original,
    Delete,
    Row,
};

struct OpenElement {
    std::string_view name;
    Role role;
    size_t namespaces;  // declarations in scope before this element
};

QString shown(std::string_view text) {
    constexpr qsizetype kLongest = 40;
    QString value = QString::fromUtf8(text.data(), qsizetype(std::min<size_t>(text.size(), kLongest * 4)));
    if (value.size() > kLongest) value = value.left(kLongest) + u'…';
    return value;
}

}  // namespace

struct Reader::Impl {
    QString fileName;
    QByteArray bytes;
    Source source;
    Tokenizer tokenizer;
    Tag tag;
    // A stateless decoder would take a U+FEFF opening any value for a byte
    // order mark and drop it.
    QStringDecoder utf8{QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom};
    std::string scratch;
    QString error;
    bool finished = true;  // until a file is open

    Namespaces namespaces;
    std::vector<OpenElement> stack;
    bool rootSeen = false;

    // Schema.
    SchemaBuilder schema;
    ColumnDeclaration *declaring = nullptr;
    bool haveElementType = false;
    bool schemaDone = false;
    bool dataSeen = false;
    QByteArray rowName = "row";
    std::vector<FieldDef> fields;
    std::vector<Column> columns;
    ColumnLookup lookup;
    std::vector<bool> wanted;  // by field; empty: every field

    // Rows.
    Row current;
    Row discarded;  // the values of deleted rows, read only to be checked
    qint64 record = 0;
    qint64 ignored = 0;  // row attributes naming no declared column
    bool updateHasRow = false;

    enum class Step { Continue, Row, End, Error };

    platform::Result<> start(std::string_view raw);
    platform::Result<> readSchema();
    bool next(Row &row);

    Step step();
    Step startTag();
    Step endTag();
    Role childRole(Role parent, std::string_view name);
    bool readDeclaration(ColumnDeclaration &declaration, bool onAttributeType);
    bool finishSchema();
    bool readRow(Row &target);
    bool convert(const Column &column, const Attribute &attribute, Value &slot);
    bool decode(const Attribute &attribute, std::string_view &text);
    bool toText(std::string_view text, QString &out);

    bool fail(const QString &detail);
    bool failInRow(const QString &detail) { return fail(QStringLiteral("Zeile %1: %2").arg(record).arg(detail)); }
    bool failScan();
    bool inRecord() const;
    bool inData() const;
};

bool Reader::Impl::fail(const QString &detail) {
    if (error.isEmpty())
        error = QStringLiteral("Die Datei „%1“ ist keine gültige Datensatzdatei: %2.").arg(fileName, detail);
    finished = true;
    return false;
}

bool Reader::Impl::inRecord() const {
    return std::any_of(stack.begin(), stack.end(), [](const OpenElement &open) {
        return open.role == Role::Row || open.role == Role::Update;
    });
}

bool Reader::Impl::inData() const {
    return std::any_of(stack.begin(), stack.end(), [](const OpenElement &open) { return open.role == Role::Data; });
}

// A fault of the tokenizer, told in terms of the part of the file it hit.
bool Reader::Impl::failScan() {
    // A tag that breaks off between rows is the next row.
    if (!inRecord() && inData()) ++record;
    switch (tokenizer.fault()) {
    case ScanFault::Truncated:
        if (inData()) return fail(QStringLiteral("die Datei endet mitten in Zeile %1").arg(record));
        if (!schemaDone && rootSeen) return fail(QStringLiteral("die Datei endet mitten im Schema"));
        return fail(QStringLiteral("die Datei endet mitten in einem Tag"));
    case ScanFault::LessThanInValue: {
        const QString detail =
            QStringLiteral("ein Wert enthält „<“; vermutlich fehlt ein schließendes Anführungszeichen");
        return inData() ? failInRow(detail) : fail(detail);
    }
    case ScanFault::Unsupported:
        return fail(QStringLiteral("Dokumenttyp-Deklarationen werden nicht unterstützt"));
    default: {
        const QString detail = QStringLiteral("ein Tag ist fehlerhaft aufgebaut");
        return inData() ? failInRow(detail) : fail(detail);
    }
    }
}

platform::Result<> Reader::Impl::start(std::string_view raw) {
    switch (prepareSource(raw, source)) {
    case SourceFault::Empty:
        fail(QStringLiteral("die Datei ist leer"));
        return platform::Failure{error};
    case SourceFault::NotXml:
        error = QStringLiteral("Die Datei „%1“ ist nicht in der XML-Form gespeichert, vermutlich in der binären "
                               "Form der Datensatzbibliothek; diese Form kann nicht gelesen werden.")
                    .arg(fileName);
        finished = true;
        return platform::Failure{error};
    case SourceFault::UnknownEncoding:
        fail(QStringLiteral("die Zeichenkodierung „%1“ wird nicht unterstützt")
                 .arg(QString::fromLatin1(source.encoding.left(40))));
        return platform::Failure{error};
    case SourceFault::None:
        break;
    }
    tokenizer.reset(source.text);
    finished = false;
    return readSchema();
}

platform::Result<> Reader::Impl::readSchema() {
    while (!schemaDone) {
        switch (step()) {
        case Step::Error:
            return platform::Failure{error};
        case Step::End:
            fail(QStringLiteral("die Datei enthält kein Schema (s:Schema)"));
            return platform::Failure{error};
        default:
            break;
        }
    }
    return {};
}

bool Reader::Impl::next(Row &row) {
    while (!finished) {
        switch (step()) {
        case Step::Row:
            row.swap(current);
            return true;
        case Step::End:
            finished = true;
            return false;
        case Step::Error:
            return false;
        case Step::Continue:
            break;
        }
    }
    return false;
}

Reader::Impl::Step Reader::Impl::step() {
    if (!tokenizer.next(tag)) {
        failScan();
        return Step::Error;
    }
    switch (tag.kind) {
    case TagKind::Start:
        return startTag();
    case TagKind::End:
        return endTag();
    case TagKind::EndOfInput:
        break;
    }
    if (!rootSeen) {
        fail(QStringLiteral("das Wurzelelement <xml> fehlt"));
        return Step::Error;
    }
    if (inRecord()) {
        fail(QStringLiteral("die Datei endet mitten in Zeile %1").arg(record));
    } else if (inData()) {
        fail(record > 0 ? QStringLiteral("die Datei endet nach Zeile %1 vor dem Ende der Daten").arg(record)
                        : QStringLiteral("die Datei endet vor dem Ende der Daten"));
    } else if (!schemaDone) {
        fail(QStringLiteral("die Datei endet mitten im Schema"));
    } else {
        fail(QStringLiteral("die Datei endet vor dem Ende des Dokuments (</xml>)"));
    }
    return Step::Error;
}

Role Reader::Impl::childRole(Role parent, std::string_view name) {
    // Not a structured binding: lambdas cannot capture those in clang 14.
    const std::pair<Space, std::string_view> resolved = namespaces.resolve(name);
    const std::string_view local = resolved.second;
    auto is = [&](Space space, std::string_view lower) {
        return resolved.first == space && equalsIgnoringCase(local, lower);
    };
    switch (parent) {
    case Role::Root:
        if (is(Space::Schema, "schema")) return schemaDone || dataSeen ? Role::Skip : Role::Schema;
        if (is(Space::Rowset, "data")) return dataSeen ? Role::Skip : Role::Data;
        return Role::Skip;
    case Role::Schema:
        if (is(Space::Schema, "elementtype")) return haveElementType ? Role::Skip : Role::ElementType;
        if (is(Space::Schema, "attributetype")) return Role::AttributeType;
        return Role::Skip;
    case Role::ElementType:
        if (is(Space::Schema, "attributetype")) return Role::AttributeType;
        if (is(Space::Schema, "attribute")) return Role::Reference;
        return Role::Skip;
    case Role::AttributeType:
        return is(Space::Schema, "datatype") ? Role::Datatype : Role::Skip;
    case Role::Data:
        if (is(Space::Rowset, "insert")) return Role::Insert;
        if (is(Space::Rowset, "update")) return Role::Update;
        if (is(Space::Rowset, "delete")) return Role::Delete;
        [[fallthrough]];
    case Role::Insert:
    case Role::Delete:
    case Role::Original:
        // Rows are known by the local name the row type declares.
        return local == std::string_view(rowName.constData(), size_t(rowName.size())) ? Role::Row : Role::Skip;
    case Role::Update:
        if (is(Space::Rowset, "original")) return Role::Original;
        return local == std::string_view(rowName.constData(), size_t(rowName.size())) ? Role::Row : Role::Skip;
    default:
        return Role::Skip;
    }
}

Reader::Impl::Step Reader::Impl::startTag() {
    const size_t scope = namespaces.mark();
    for (const Attribute &attribute : tag.attributes) {
        if (!Namespaces::isDeclaration(attribute.name)) continue;
        std::string_view uri;
        if (!decode(attribute, uri)) return Step::Error;
        namespaces.declare(attribute.name, uri);
    }

    Role role = Role::Root;
    if (stack.empty()) {
        if (rootSeen || !equalsIgnoringCase(tag.name, "xml")) {
            fail(QStringLiteral("das Wurzelelement heißt „%1“ statt „xml“").arg(shown(tag.name)));
            return Step::Error;
        }
        rootSeen = true;
    } else {
        role = childRole(stack.back().role, tag.name);
    }

    const Role parent = stack.empty() ? Role::Root : stack.back().role;
    Step result = Step::Continue;
    switch (role) {
    case Role::Schema:
        // A self-closing schema declares nothing, which finishSchema reports.
        if (tag.selfClosing && !finishSchema()) return Step::Error;
        break;
    case Role::Data:
        if (!schemaDone) {
            fail(QStringLiteral("die Datei enthält kein Schema (s:Schema) vor den Daten"));
            return Step::Error;
        }
        dataSeen = true;
        break;
    case Role::ElementType:
        haveElementType = true;
        for (const Attribute &attribute : tag.attributes) {
            if (attribute.name != "name") continue;
            std::string_view text;
            if (!decode(attribute, text)) return Step::Error;
            rowName = QByteArray(text.data(), qsizetype(text.size()));
        }
        break;
    case Role::AttributeType:
        declaring = &schema.declare(parent == Role::ElementType);
        if (!readDeclaration(*declaring, true)) return Step::Error;
        if (tag.selfClosing) declaring = nullptr;
        break;
    case Role::Datatype:
        if (declaring && !readDeclaration(*declaring, false)) return Step::Error;
        break;
    case Role::Reference: {
        QString name;
        for (const Attribute &attribute : tag.attributes) {
            std::string_view text;
            if (attribute.name == "type" && (!decode(attribute, text) || !toText(text, name))) return Step::Error;
        }
        schema.reference(std::move(name));
        break;
    }
    case Role::Update:
        ++record;
        current.assign(fields.size(), Value{});
        updateHasRow = false;
        break;
    case Role::Row:
        if (parent == Role::Update || parent == Role::Original) {
            updateHasRow = true;
            if (!readRow(current)) return Step::Error;
        } else if (parent == Role::Delete) {
            ++record;
            discarded.assign(fields.size(), Value{});
            if (!readRow(discarded)) return Step::Error;
        } else {
            ++record;
            current.assign(fields.size(), Value{});
            if (!readRow(current)) return Step::Error;
            if (tag.selfClosing) result = Step::Row;
        }
        break;
    default:
        break;
    }
    if (!tag.selfClosing) {
        stack.push_back({tag.name, role, scope});
        return result;
    }
    namespaces.restore(scope);
    return role == Role::Root ? Step::End : result;
}

Reader::Impl::Step Reader::Impl::endTag() {
    if (stack.empty() || stack.back().name != tag.name) {
        const QString detail = stack.empty()
                                   ? QStringLiteral("das Endtag </%1> hat kein Gegenstück").arg(shown(tag.name))
                                   : QStringLiteral("das Element <%1> wird mit </%2> geschlossen")
                                         .arg(shown(stack.back().name), shown(tag.name));
        if (inRecord()) failInRow(detail);
        else fail(detail);
        return Step::Error;
    }
    const OpenElement closed = stack.back();
    stack.pop_back();
    namespaces.restore(closed.namespaces);
    switch (closed.role) {
    case Role::Root:
        return Step::End;
    case Role::Schema:
        return finishSchema() ? Step::Continue : Step::Error;
    case Role::AttributeType:
        declaring = nullptr;
        return Step::Continue;
    case Role::Update:
        return updateHasRow ? Step::Row : Step::Continue;
    case Role::Row: {
        const Role parent = stack.back().role;
        return parent == Role::Data || parent == Role::Insert ? Step::Row : Step::Continue;
    }
    default:
        return Step::Continue;
    }
}

bool Reader::Impl::readDeclaration(ColumnDeclaration &declaration, bool onAttributeType) {
    for (const Attribute &attribute : tag.attributes) {
        const auto [space, local] = namespaces.resolve(attribute.name);
        if (space != Space::None && space != Space::Rowset && space != Space::DataType) continue;
        std::string_view raw;
        QString text;
        if (!decode(attribute, raw) || !toText(raw, text)) return false;
        declaration.apply(space, local, text, onAttributeType);
    }
    return true;
}

bool Reader::Impl::finishSchema() {
    schemaDone = true;
    declaring = nullptr;
    if (!haveElementType) return fail(QStringLiteral("das Schema beschreibt keine Zeilen (s:ElementType fehlt)"));
    if (const QString fault = schema.finish(fields, columns); !fault.isEmpty()) return fail(fault);
    lookup.build(columns);
    return true;
}

bool Reader::Impl::readRow(Row &target) {
    lookup.startRow();
    const Attribute *forceNull = nullptr;
    for (const Attribute &attribute : tag.attributes) {
        const int index = lookup.find(attribute.name);
        if (index < 0) {
            if (Namespaces::isDeclaration(attribute.name)) continue;
            const auto [space, local] = namespaces.resolve(attribute.name);
            if (space == Space::Rowset && local == "forcenull") {
                forceNull = &attribute;
                continue;
            }
            // The library ignores a value of a column the schema does not declare.
            ++ignored;
            continue;
        }
        const Column &column = columns[size_t(index)];
        if (column.field < 0 || (!wanted.empty() && !wanted[size_t(column.field)])) continue;
        if (!convert(column, attribute, target[size_t(column.field)])) return false;
    }
    if (!forceNull) return true;
    // The list names columns by their XML names, split on blanks only.
    std::string_view list;
    if (!decode(*forceNull, list)) return false;
    std::string_view rest = list;
    while (!rest.empty()) {
        while (!rest.empty() && isXmlBlank(rest.front())) rest.remove_prefix(1);
        size_t length = 0;
        while (length < rest.size() && !isXmlBlank(rest[length])) ++length;
        if (length == 0) break;
        const std::string_view name = rest.substr(0, length);
        rest.remove_prefix(length);
        const int index = lookup.find(name);
        if (index < 0)
            return failInRow(
                QStringLiteral("rs:forcenull nennt die nicht deklarierte Spalte „%1“").arg(shown(name)));
        if (const int field = columns[size_t(index)].field; field >= 0) target[size_t(field)] = Value{};
    }
    return true;
}

bool Reader::Impl::decode(const Attribute &attribute, std::string_view &text) {
    if (!attribute.hasReference) {
        text = attribute.value;
        return true;
    }
    std::string_view bad;
    switch (decodeReferences(attribute.value, scratch, bad)) {
    case ReferenceFault::None:
        text = scratch;
        return true;
    case ReferenceFault::Unknown: {
        const QString detail = QStringLiteral("der Verweis „%1“ ist unbekannt").arg(shown(bad));
        return inData() ? failInRow(detail) : fail(detail);
    }
    case ReferenceFault::Malformed:
        break;
    }
    const QString detail = QStringLiteral("der Verweis „%1“ ist fehlerhaft").arg(shown(bad));
    return inData() ? failInRow(detail) : fail(detail);
}

bool Reader::Impl::toText(std::string_view text, QString &out) {
    out = utf8(QByteArrayView(text.data(), qsizetype(text.size())));
    if (!utf8.hasError()) return true;
    const QString detail = QStringLiteral("der Text „%1“ ist kein gültiges UTF-8").arg(shown(text));
    return inData() ? failInRow(detail) : fail(detail);
}

bool Reader::Impl::convert(const Column &column, const Attribute &attribute, Value &slot) {
    std::string_view text;
    if (!decode(attribute, text)) return false;
    if (column.kind == Kind::Text) {
        QString value;
        if (!toText(text, value)) return false;
        slot = std::move(value);
        return true;
    }
    const ValueFault fault = parseValue(column.kind, text, slot);
    if (fault == ValueFault::None) return true;
    const QString &name = fields[size_t(column.field)].name;
    if (fault == ValueFault::OutOfRange)
        return failInRow(QStringLiteral("„%1“ liegt außerhalb des Wertebereichs (Spalte %2)").arg(shown(text), name));
    switch (column.kind) {
    case Kind::Double:
    case Kind::Single:
        return failInRow(QStringLiteral("„%1“ ist keine Zahl (Spalte %2)").arg(shown(text), name));
    case Kind::Boolean:
        return failInRow(QStringLiteral("„%1“ ist kein Wahrheitswert (Spalte %2)").arg(shown(text), name));
    case Kind::DateTime:
        return failInRow(QStringLiteral("„%1“ ist kein gültiges Datum (Spalte %2)").arg(shown(text), name));
    default:
        return failInRow(QStringLiteral("„%1“ ist keine ganze Zahl (Spalte %2)").arg(shown(text), name));
    }
}

Reader::Reader() : impl_(std::make_unique<Impl>()) {}

Reader::~Reader() = default;

platform::Result<> Reader::open(const QString &path) {
    impl_ = std::make_unique<Impl>();
    Impl &impl = *impl_;
    impl.fileName = QFileInfo(path).fileName();
    // Read whole, not mapped: a mapped file cut short by another program would
    // end this one; read, it only ends early, which the rows report.
    const platform::Result<std::unique_ptr<QFile>> file = platform::openRegularFile(path);
    if (!file) {
        impl.finished = true;
        impl.error = QStringLiteral("Die Datei „%1“ kann nicht geöffnet werden: %2").arg(impl.fileName, file.error());
        return platform::Failure{impl.error};
    }
    errno = 0;
    impl.bytes = (*file)->readAll();
    if ((*file)->error() != QFileDevice::NoError) {
        impl.finished = true;
        impl.error = QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: %2")
                         .arg(impl.fileName, platform::systemErrorText(errno));
        return platform::Failure{impl.error};
    }
    return impl.start(std::string_view(impl.bytes.constData(), size_t(impl.bytes.size())));
}

platform::Result<> Reader::openBytes(QByteArray bytes, const QString &name) {
    impl_ = std::make_unique<Impl>();
    impl_->fileName = name;
    impl_->bytes = std::move(bytes);
    return impl_->start(std::string_view(impl_->bytes.constData(), size_t(impl_->bytes.size())));
}

QByteArray Reader::bytes() const { return impl_->bytes; }

const std::vector<FieldDef> &Reader::fields() const { return impl_->fields; }

int Reader::fieldIndex(QStringView name) const {
    const std::vector<FieldDef> &fields = impl_->fields;
    for (size_t i = 0; i < fields.size(); ++i)
        if (name.compare(fields[i].name, Qt::CaseInsensitive) == 0) return int(i);
    return -1;
}

void Reader::readOnly(std::vector<bool> wanted) {
    wanted.resize(impl_->fields.size(), false);
    impl_->wanted = std::move(wanted);
}

bool Reader::next(Row &row) { return impl_->next(row); }

const QString &Reader::error() const { return impl_->error; }

qint64 Reader::ignoredValues() const { return impl_->ignored; }

}  // namespace volmira::store::recordfile
