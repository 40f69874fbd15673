#pragma once

#include "store/Database.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// A table's column list, with how each column is read into its row struct and
// bound from it, in one place. Every SELECT, INSERT and UPDATE of the table is
// built from it, so a statement's columns and the struct cannot drift apart.
namespace volmira::store {

template <typename Row>
struct Column {
    const char *name;
    const char *declaration;  // type and constraints in CREATE TABLE
    const char *comment;      // unit and meaning, kept in the schema text
    void (*read)(const Statement &, int, Row &);  // null: never read (a derived key)
    void (*bind)(Statement &, int, const Row &);  // null: never written (the row id)
};

namespace detail {

template <typename Member>
struct MemberOf;
template <typename R, typename T>
struct MemberOf<T R::*> {
    using Row = R;
    using Value = T;
};

template <typename T>
T columnValue(const Statement &s, int c) {
    if constexpr (std::is_same_v<T, QString>) return s.text(c);
    else if constexpr (std::is_same_v<T, std::optional<double>>) return s.optDouble(c);
    else if constexpr (std::is_same_v<T, std::optional<int>>) return s.optInt(c);
    else if constexpr (std::is_same_v<T, long long>) return s.int64(c);
    else if constexpr (std::is_same_v<T, int>) return s.integer(c);
    else if constexpr (std::is_same_v<T, double>) return s.optDouble(c).value_or(0);
    else if constexpr (std::is_same_v<T, bool>) return s.integer(c) != 0;
    else static_assert(sizeof(T) == 0, "no reader for this column type");
}

}  // namespace detail

enum class Access { ReadWrite, ReadOnly };

// The column of a struct member, read and written as it is.
template <auto Member>
Column<typename detail::MemberOf<decltype(Member)>::Row> column(const char *name, const char *declaration,
                                                                const char *comment = "",
                                                                Access access = Access::ReadWrite) {
    using Row = typename detail::MemberOf<decltype(Member)>::Row;
    using Value = typename detail::MemberOf<decltype(Member)>::Value;
    void (*bind)(Statement &, int, const Row &) = nullptr;
    if (access == Access::ReadWrite) bind = [](Statement &s, int c, const Row &r) { s.bind(c, r.*Member); };
    return {name, declaration, comment,
            [](const Statement &s, int c, Row &r) { r.*Member = detail::columnValue<Value>(s, c); }, bind};
}

template <typename Row>
class Table {
public:
    Table(const char *name, std::vector<Column<Row>> columns) : name_(name), columns_(std::move(columns)) {}

    const char *name() const { return name_; }

    // The CREATE TABLE statement, one column a line with its comment.
    std::string create() const {
        std::string sql = "CREATE TABLE " + std::string(name_) + " (";
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            const Column<Row> &c = columns_[i];
            sql += "\n  " + std::string(c.name) + " " + c.declaration + (i + 1 < columns_.size() ? "," : "");
            if (*c.comment) sql += std::string(" -- ") + c.comment;
        }
        return sql + "\n);\n";
    }

    // The columns that are read, in table order, each after `alias.` when given.
    std::string columnList(std::string_view alias = {}) const {
        std::string list;
        for (const Column<Row> &c : columns_) {
            if (!c.read) continue;
            if (!list.empty()) list += ", ";
            if (!alias.empty()) list.append(alias).append(".");
            list += c.name;
        }
        return list;
    }
    // "SELECT <columns> FROM <table> <rest>"
    std::string select(std::string_view rest) const {
        return "SELECT " + columnList() + " FROM " + name_ + " " + std::string(rest);
    }
    // Inserts every written column, bound by bind() in table order.
    std::string insert() const {
        std::string names, marks;
        for (const Column<Row> &c : columns_) {
            if (!c.bind) continue;
            names += (names.empty() ? "" : ", ") + std::string(c.name);
            marks += marks.empty() ? "?" : ",?";
        }
        return "INSERT INTO " + std::string(name_) + " (" + names + ") VALUES (" + marks + ")";
    }
    // "UPDATE <table> SET <from> = ?, ... <to> = ? <rest>" over the written
    // columns from `from` to `to`, bound by bind(s, row, from, to).
    std::string update(std::string_view from, std::string_view to, std::string_view rest) const {
        std::string set;
        forRange(from, to,
                 [&](const Column<Row> &c) { set += (set.empty() ? "" : ", ") + std::string(c.name) + " = ?"; });
        return "UPDATE " + std::string(name_) + " SET " + set + " " + std::string(rest);
    }

    // A row from the statement's columns, which are columnList()'s from `first` on.
    Row read(const Statement &s, int first = 0) const {
        Row row;
        int c = first;
        for (const Column<Row> &column : columns_)
            if (column.read) column.read(s, c++, row);
        return row;
    }
    // Binds the written columns, the first to parameter 1; returns the next parameter.
    int bind(Statement &s, const Row &row) const { return bind(s, row, columns_.front().name, columns_.back().name); }
    int bind(Statement &s, const Row &row, std::string_view from, std::string_view to, int first = 1) const {
        int parameter = first;
        forRange(from, to, [&](const Column<Row> &c) { c.bind(s, parameter++, row); });
        return parameter;
    }

private:
    template <typename Visit>
    void forRange(std::string_view from, std::string_view to, Visit visit) const {
        bool inside = false;
        for (const Column<Row> &c : columns_) {
            inside = inside || from == c.name;
            if (inside && c.bind) visit(c);
            if (to == c.name) return;
        }
    }

    const char *name_;
    std::vector<Column<Row>> columns_;
};

// Inserts a row with every written column of its table.
template <typename Row>
[[nodiscard]] platform::Result<> insertRow(Database &db, const Table<Row> &table, const Row &row) {
    static const std::string sql = table.insert();  // one table per row type
    Statement &s = db.prepare(sql.c_str());
    table.bind(s, row);
    return s.run();
}

}  // namespace volmira::store
