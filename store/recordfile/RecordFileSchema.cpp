#include "store/recordfile/RecordFileSchema.h"

#include <algorithm>

namespace volmira::store::recordfile::detail {

namespace {

// The uuid letters come in either case, so the URIs are compared without it.
Space spaceOfUri(std::string_view uri) {
    if (equalsIgnoringCase(uri, "uuid:bdc6e3f0-6da3-11d1-a2a3-00aa00c14882")) return Space::Schema;
    if (equalsIgnoringCase(uri, "uuid:c2f41010-65b3-11d1-a29f-00aa00c14882")) return Space::DataType;
    if (equalsIgnoringCase(uri, "urn:schemas-microsoft-com:rowset")) return Space::Rowset;
    if (equalsIgnoringCase(uri, "#rowsetschema")) return Space::Rows;
    return Space::Other;
}

// Files that leave out a declaration (the documented minimal example has no
// xmlns:dt) still mean the conventional prefixes.
Space conventionalSpace(std::string_view prefix) {
    if (prefix == "s") return Space::Schema;
    if (prefix == "dt") return Space::DataType;
    if (prefix == "rs") return Space::Rowset;
    if (prefix == "z") return Space::Rows;
    return Space::Other;
}

}  // namespace

bool equalsIgnoringCase(std::string_view text, std::string_view lower) {
    if (text.size() != lower.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        if (c != lower[i]) return false;
    }
    return true;
}

bool Namespaces::isDeclaration(std::string_view attributeName) {
    return attributeName.substr(0, 5) == "xmlns" && (attributeName.size() == 5 || attributeName[5] == ':');
}

void Namespaces::declare(std::string_view attributeName, std::string_view uri) {
    const std::string_view prefix = attributeName.size() > 6 ? attributeName.substr(6) : std::string_view();
    order_.push_back(prefix);
    byPrefix_[prefix].push_back(spaceOfUri(uri));
}

void Namespaces::restore(size_t mark) {
    while (order_.size() > mark) {
        byPrefix_[order_.back()].pop_back();
        order_.pop_back();
    }
}

std::pair<Space, std::string_view> Namespaces::resolve(std::string_view qualifiedName) const {
    const size_t colon = qualifiedName.find(':');
    const bool prefixed = colon != std::string_view::npos;
    const std::string_view prefix = prefixed ? qualifiedName.substr(0, colon) : std::string_view();
    const std::string_view local = prefixed ? qualifiedName.substr(colon + 1) : qualifiedName;
    if (const auto found = byPrefix_.find(prefix); found != byPrefix_.end() && !found->second.empty())
        return {found->second.back(), local};
    return {prefix.empty() ? Space::None : conventionalSpace(prefix), local};
}

void ColumnDeclaration::apply(Space space, std::string_view localName, const QString &value, bool onAttributeType) {
    auto is = [&](Space wanted, std::string_view lower) {
        return space == wanted && equalsIgnoringCase(localName, lower);
    };
    if (onAttributeType && space == Space::None && localName == "name") {
        name = value;
    } else if (is(Space::Rowset, "name")) {
        alias = value;
    } else if (is(Space::Rowset, "number")) {
        bool ok = false;
        const int parsed = value.trimmed().toInt(&ok);
        number = ok ? std::optional<int>(parsed) : std::nullopt;
    } else if (is(Space::Rowset, "nullable")) {
        nullable = flag(value).value_or(false);
    } else if (is(Space::Rowset, "maybenull")) {
        // Only an explicit false declares a column that never holds null.
        maybeNull = flag(value).value_or(true);
    } else if (is(Space::Rowset, "hidden")) {
        hidden = flag(value).value_or(false);
    } else if (is(Space::Rowset, "long")) {
        type.isLong = flag(value).value_or(false);
    } else if (is(Space::DataType, "type")) {
        type.dtType = value;
    } else if (is(Space::DataType, "maxlength")) {
        bool ok = false;
        const qint64 length = value.trimmed().toLongLong(&ok);
        type.maxLength = ok && length >= 0 ? std::optional<qint64>(length) : std::nullopt;
    }
}

ColumnDeclaration &SchemaBuilder::declare(bool inRowType) {
    ColumnDeclaration &declaration = declarations_.emplace_back();
    if (inRowType)
        members_.push_back({&declaration, {}});
    else
        schemaLevel_.push_back(&declaration);
    return declaration;
}

void SchemaBuilder::reference(QString name) { members_.push_back({nullptr, std::move(name)}); }

QString SchemaBuilder::finish(std::vector<FieldDef> &fields, std::vector<Column> &columns) {
    // s:attribute names its declaration in any case.
    QHash<QString, const ColumnDeclaration *> referable;
    for (const ColumnDeclaration *declaration : schemaLevel_) {
        const QString folded = declaration->name.toCaseFolded();
        if (!referable.contains(folded)) referable.insert(folded, declaration);
    }
    std::vector<const ColumnDeclaration *> ordered;
    for (const Member &member : members_) {
        const ColumnDeclaration *declaration =
            member.declaration ? member.declaration : referable.value(member.reference.toCaseFolded());
        if (!declaration)
            return QStringLiteral("s:attribute verweist auf die unbekannte Spalte „%1“").arg(member.reference.left(40));
        ordered.push_back(declaration);
    }
    // Without a number on every column the document order stands.
    if (std::all_of(ordered.begin(), ordered.end(), [](const ColumnDeclaration *d) { return d->number.has_value(); }))
        std::stable_sort(ordered.begin(), ordered.end(), [](const ColumnDeclaration *a, const ColumnDeclaration *b) {
            return *a->number < *b->number;
        });

    for (const ColumnDeclaration *declaration : ordered) {
        if (declaration->name.isEmpty()) return QStringLiteral("eine Spalte des Schemas hat keinen Namen");
        const ColumnType type = columnType(declaration->type);
        const int field = declaration->hidden ? -1 : int(fields.size());
        columns.push_back({declaration->name.toStdString(), field, type.kind});
        if (field >= 0)
            fields.push_back({declaration->alias.isEmpty() ? declaration->name : declaration->alias, type.type,
                              type.size, declaration->nullable || declaration->maybeNull});
    }
    if (fields.empty()) return QStringLiteral("das Schema deklariert keine Spalten");
    return {};
}

void ColumnLookup::build(const std::vector<Column> &columns) {
    columns_ = &columns;
    for (size_t i = 0; i < columns.size(); ++i) {
        exact_.emplace(columns[i].xmlName, int(i));
        const QString folded = QString::fromStdString(columns[i].xmlName).toCaseFolded();
        if (!folded_.contains(folded)) folded_.insert(folded, int(i));
    }
}

int ColumnLookup::find(std::string_view name) {
    const std::vector<Column> &columns = *columns_;
    if (expected_ < columns.size() && columns[expected_].xmlName == name) return int(expected_++);
    int index = -1;
    if (const auto found = exact_.find(name); found != exact_.end())
        index = found->second;
    else
        index = folded_.value(QString::fromUtf8(name.data(), qsizetype(name.size())).toCaseFolded(), -1);
    if (index >= 0) expected_ = size_t(index) + 1;
    return index;
}

}  // namespace volmira::store::recordfile::detail
