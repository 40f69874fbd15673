#pragma once

#include "platform/GridColumn.h"
#include "platform/Twips.h"

#include <QString>
#include <QWidget>

#include <array>
#include <cstddef>

class QAbstractItemModel;
class QLabel;
class QLineEdit;
class QTableView;

// Building controls the way every window of the program does: each control
// carries its design name as objectName, positions and sizes are kept in twips.
namespace volmira::platform {

template <typename Widget>
Widget *named(QWidget *parent, const QString &name) {
    auto *widget = new Widget(parent);
    widget->setObjectName(name);
    return widget;
}

void setTwips(QWidget *widget, int left, int top, int width, int height);

QLabel *label(QWidget *parent, const QString &name, const QString &caption);
// Point size and weight of a control's font.
void setFontSize(QWidget *widget, int pointSize, bool bold = false);

// A text box the user cannot type into.
QLineEdit *lockedField(QWidget *parent, const QString &name);
// Sets the text with the cursor at its start, so that a text longer than the
// box shows its beginning.
void showText(QLineEdit *field, const QString &text);

// A read-only list grid without row numbers. Rows are selected by the window,
// never by a click, so that a grid with a single row shows no selection. A cell
// too narrow for its text shows the whole text as a tooltip.
void setUpGrid(QTableView *grid, QAbstractItemModel *model);

// Marks the row as the one selected, also in a grid whose clicks select nothing.
void selectWholeRow(QTableView *grid, int row);

void setColumnWidth(QTableView *grid, int column, Twips width);

// The column takes the width its values and its header need; the other one
// fills the rest of the grid, whose own width stays.
void fitColumnToValues(QTableView *grid, int fitted, int rest);

// The widths of the column table.
template <std::size_t N>
void setColumnWidths(QTableView *grid, const std::array<GridColumn, N> &columns) {
    for (std::size_t i = 0; i < N; ++i) setColumnWidth(grid, int(i), columns[i].width);
}

}  // namespace volmira::platform
