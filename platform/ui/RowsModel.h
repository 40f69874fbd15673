#pragma once

#include "platform/GridColumn.h"

#include <QAbstractTableModel>

#include <array>
#include <cstddef>
#include <functional>
#include <iterator>
#include <vector>

namespace volmira::platform {

// A read-only table model over typed rows, so that a window knows which row is
// current: one cell function per column, headers from the column table.
template <typename Row, std::size_t N>
class RowsModel final : public QAbstractTableModel {
public:
    using Cell = QString (*)(const Row &);

    RowsModel(const std::array<GridColumn, N> &columns, const std::array<Cell, N> &cells, QObject *parent)
        : QAbstractTableModel(parent), columns_(columns), cells_(cells) {}

    // The next rows of a long list, fetched when the view scrolls to its end;
    // `last` when none follow.
    struct More {
        std::vector<Row> rows;
        bool last = true;
    };
    using Fetch = std::function<More()>;

    // An empty vector leaves the grid unbound: it shows nothing. `more`, when
    // given, brings the rows after these.
    void setRows(std::vector<Row> rows, Fetch more = {}) {
        beginResetModel();
        rows_ = std::move(rows);
        more_ = std::move(more);
        endResetModel();
    }
    bool canFetchMore(const QModelIndex &parent) const override { return !parent.isValid() && more_; }
    void fetchMore(const QModelIndex &parent) override {
        if (parent.isValid() || !more_) return;
        More next = more_();
        if (next.last) more_ = {};
        if (next.rows.empty()) return;
        beginInsertRows({}, int(rows_.size()), int(rows_.size() + next.rows.size()) - 1);
        rows_.insert(rows_.end(), std::make_move_iterator(next.rows.begin()), std::make_move_iterator(next.rows.end()));
        endInsertRows();
    }
    [[nodiscard]] const std::vector<Row> &rows() const { return rows_; }

    int rowCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(N); }

    QVariant data(const QModelIndex &index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        return cells_[index.column()](rows_[index.row()]);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= int(N)) return {};
        return columns_[section].header.toString();
    }

private:
    const std::array<GridColumn, N> &columns_;
    std::array<Cell, N> cells_;
    std::vector<Row> rows_;
    Fetch more_;
};

}  // namespace volmira::platform
