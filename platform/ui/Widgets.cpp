#include "platform/ui/Widgets.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolTip>

namespace volmira::platform {

namespace {

// Shows the whole text of a cell the column cuts short, and nothing over a
// cell that shows all of its text.
class CutCellToolTips final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override {
        if (event->type() != QEvent::ToolTip) return QStyledItemDelegate::helpEvent(event, view, option, index);
        const QString text = index.data(Qt::DisplayRole).toString();
        if (!text.isEmpty() && sizeHint(option, index).width() > option.rect.width())
            QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
        else
            QToolTip::hideText();
        return true;
    }
};

}  // namespace

void setTwips(QWidget *widget, int left, int top, int width, int height) {
    widget->setGeometry(toPixels({left}), toPixels({top}), toPixels({width}), toPixels({height}));
}

QLabel *label(QWidget *parent, const QString &name, const QString &caption) {
    auto *l = named<QLabel>(parent, name);
    l->setText(caption);
    return l;
}

void setFontSize(QWidget *widget, int pointSize, bool bold) {
    QFont font = widget->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    widget->setFont(font);
}

QLineEdit *lockedField(QWidget *parent, const QString &name) {
    auto *field = named<QLineEdit>(parent, name);
    field->setReadOnly(true);
    return field;
}

void showText(QLineEdit *field, const QString &text) {
    field->setText(text);
    field->setCursorPosition(0);
}

void setUpGrid(QTableView *grid, QAbstractItemModel *model) {
    grid->setModel(model);
    grid->setItemDelegate(new CutCellToolTips(grid));
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(toPixels({300}));
    grid->horizontalHeader()->setHighlightSections(false);
    // The headers' leading blanks place them by eye from the left edge.
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setWordWrap(false);
    // Tab leaves the grid instead of walking its cells, which would change the current row.
    grid->setTabKeyNavigation(false);
}

void selectWholeRow(QTableView *grid, int row) {
    grid->selectionModel()->select(grid->model()->index(row, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void setColumnWidth(QTableView *grid, int column, Twips width) { grid->setColumnWidth(column, toPixels(width)); }

void fitColumnToValues(QTableView *grid, int fitted, int rest) {
    grid->horizontalHeader()->setSectionResizeMode(fitted, QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setSectionResizeMode(rest, QHeaderView::Stretch);
}

}  // namespace volmira::platform
