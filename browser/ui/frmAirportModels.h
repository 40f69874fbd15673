#pragma once

#include "browser/GridColumns.h"
#include "store/Rows.h"

#include <QAbstractTableModel>

#include <array>
#include <cstddef>
#include <vector>

// Read-only table models of the airport window's grids: typed store rows, so
// that the editing commands know which row is current.
namespace volmira::browser {

template <typename Row, std::size_t N>
class RowsModel final : public QAbstractTableModel {
public:
    using Cell = QString (*)(const Row &);

    RowsModel(const std::array<GridColumn, N> &columns, const std::array<Cell, N> &cells, QObject *parent)
        : QAbstractTableModel(parent), columns_(columns), cells_(cells) {}

    // An empty vector leaves the grid unbound: it shows nothing.
    void setRows(std::vector<Row> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
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
};

using RunwayModel = RowsModel<store::RwyRow, kRunwayColumns.size()>;
using ApproachModel = RowsModel<store::IlsRow, kApproachColumns.size()>;
using ComModel = RowsModel<store::AcomRow, kComColumns.size()>;
using QuickfindModel = RowsModel<store::NameHit, kQuickfindColumns.size()>;

[[nodiscard]] RunwayModel *makeRunwayModel(QObject *parent);
[[nodiscard]] ApproachModel *makeApproachModel(QObject *parent);
[[nodiscard]] ComModel *makeComModel(QObject *parent);
[[nodiscard]] QuickfindModel *makeQuickfindModel(QObject *parent);

}  // namespace volmira::browser
