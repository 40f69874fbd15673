#pragma once

#include "store/recordfile/RecordFile.h"
#include "store/recordfile/RecordFileValues.h"

#include <QHash>
#include <QString>

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// The schema side of record files: the namespaces that tell schema, datatype
// and rowset names apart, the column declarations, and the lookup of the row
// attributes by column name.
namespace volmira::store::recordfile::detail {

enum class Space : std::uint8_t { None, Schema, DataType, Rowset, Rows, Other };

// ASCII case folding for names and keywords; `lower` is lower-case already.
[[nodiscard]] bool equalsIgnoringCase(std::string_view text, std::string_view lower);

// The namespace declarations in scope, innermost last.
class Namespaces {
public:
    [[nodiscard]] static bool isDeclaration(std::string_view attributeName);
    // `attributeName` is xmlns or xmlns:prefix; `uri` its decoded value.
    void declare(std::string_view attributeName, std::string_view uri);
    [[nodiscard]] size_t mark() const { return order_.size(); }
    void restore(size_t mark);
    [[nodiscard]] std::pair<Space, std::string_view> resolve(std::string_view qualifiedName) const;

private:
    // Each prefix keeps its own stack, so a file with many declarations
    // costs no search per element.
    std::vector<std::string_view> order_;
    std::unordered_map<std::string_view, std::vector<Space>> byPrefix_;
};

// One s:AttributeType with its s:datatype, as declared.
struct ColumnDeclaration {
    QString name;
    QString alias;  // rs:name
    std::optional<int> number;
    TypeDeclaration type;
    bool nullable = false;
    bool maybeNull = true;
    bool hidden = false;

    // Takes what one attribute of s:AttributeType (`onAttributeType`) or of
    // s:datatype declares; others are ignored.
    void apply(Space space, std::string_view localName, const QString &value, bool onAttributeType);
};

struct Column {
    std::string xmlName;  // the attribute name in rows
    int field;            // -1 for a hidden column
    Kind kind;
};

// Gathers the declarations of s:Schema and puts the columns in order.
class SchemaBuilder {
public:
    // An s:AttributeType of the row type, or one at schema level that an
    // s:attribute may reference. The reference stays valid.
    ColumnDeclaration &declare(bool inRowType);
    void reference(QString name);
    // The visible fields and all columns; a German fault or empty.
    [[nodiscard]] QString finish(std::vector<FieldDef> &fields, std::vector<Column> &columns);

private:
    struct Member {
        ColumnDeclaration *declaration = nullptr;  // null for a reference
        QString reference;
    };
    std::deque<ColumnDeclaration> declarations_;
    std::vector<Member> members_;
    std::vector<ColumnDeclaration *> schemaLevel_;
};

// Finds the column a row attribute names: exactly, or in any case.
class ColumnLookup {
public:
    // `columns` must outlive the lookup and stay unchanged.
    void build(const std::vector<Column> &columns);
    // Call at the start of each row; rows list their columns in order, so
    // the column after the last one found is tried first.
    void startRow() { expected_ = 0; }
    [[nodiscard]] int find(std::string_view name);

private:
    const std::vector<Column> *columns_ = nullptr;
    std::unordered_map<std::string_view, int> exact_;
    QHash<QString, int> folded_;
    size_t expected_ = 0;
};

}  // namespace volmira::store::recordfile::detail
