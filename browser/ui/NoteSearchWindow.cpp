#include "browser/ui/NoteSearchWindow.h"

#include "store/AirportStore.h"
#include "store/NoteSearch.h"

#include <QAbstractTextDocumentLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTextDocument>

namespace volmira::browser {

namespace {

constexpr int kLineColumn = 3;
// The role holding a hit's line as rich text, its words marked.
constexpr int kMarkedRole = Qt::UserRole + 1;

QString markedHtml(const store::MarkedLine &line) {
    QString html;
    qsizetype at = 0;
    for (const store::Mark &m : line.marks) {
        html += line.text.mid(at, m.start - at).toHtmlEscaped() + QStringLiteral("<b style=\"background:#ffe680\">") +
                line.text.mid(m.start, m.length).toHtmlEscaped() + QStringLiteral("</b>");
        at = m.start + m.length;
    }
    return html + line.text.mid(at).toHtmlEscaped();
}

// Paints the line column's rich text.
class MarkedLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        plain.text.clear();
        plain.widget->style()->drawControl(QStyle::CE_ItemViewItem, &plain, painter, plain.widget);
        QTextDocument document;
        document.setDefaultFont(option.font);
        document.setDocumentMargin(2);
        document.setHtml(index.data(kMarkedRole).toString());
        painter->save();
        // Centred in the row as the plain cells beside it are.
        const QPointF origin(option.rect.left(), option.rect.top() + (option.rect.height() - document.size().height()) / 2);
        painter->translate(origin);
        painter->setClipRect(QRectF(option.rect).translated(-origin));
        QAbstractTextDocumentLayout::PaintContext context;
        if (option.state & QStyle::State_Selected)
            context.palette.setColor(QPalette::Text, option.palette.color(QPalette::HighlightedText));
        document.documentLayout()->draw(painter, context);
        painter->restore();
    }
};

}  // namespace

NoteSearchWindow::NoteSearchWindow(store::AirportStore &store, QWidget *parent) : QDialog(parent), store_(store) {
    setObjectName(QStringLiteral("NoteSearchWindow"));
    setWindowTitle(QStringLiteral("In Notizen suchen"));
    searchText = new QLineEdit(this);
    searchText->setObjectName(QStringLiteral("searchText"));
    searchText->setPlaceholderText(QStringLiteral("Wörter oder Wortanfänge, z. B. PPR Turm"));
    searchText->installEventFilter(this);
    searchCategory = new QComboBox(this);
    searchCategory->setObjectName(QStringLiteral("searchCategory"));
    hitList = new QTableWidget(0, 4, this);
    hitList->setObjectName(QStringLiteral("hitList"));
    hitList->setHorizontalHeaderLabels({QStringLiteral("ICAO"), QStringLiteral("Flughafen"),
                                        QStringLiteral("Kategorie"), QStringLiteral("Zeile")});
    hitList->setSelectionBehavior(QAbstractItemView::SelectRows);
    hitList->setSelectionMode(QAbstractItemView::SingleSelection);
    hitList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    hitList->verticalHeader()->hide();
    hitList->horizontalHeader()->setSectionResizeMode(kLineColumn, QHeaderView::Stretch);
    hitList->setItemDelegateForColumn(kLineColumn, new MarkedLineDelegate(hitList));
    hitList->installEventFilter(this);
    hitCount = new QLabel(this);
    hitCount->setObjectName(QStringLiteral("hitCount"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Suchen:"), this), 0, 0);
    layout->addWidget(searchText, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Kategorie:"), this), 0, 2);
    layout->addWidget(searchCategory, 0, 3);
    layout->addWidget(hitList, 1, 0, 1, 4);
    layout->addWidget(hitCount, 2, 0, 1, 4);
    layout->setColumnStretch(1, 1);
    resize(820, 420);

    connect(searchText, &QLineEdit::textChanged, this, &NoteSearchWindow::search);
    connect(searchCategory, &QComboBox::currentIndexChanged, this, &NoteSearchWindow::search);
    connect(hitList, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { choose(row); });
}

void NoteSearchWindow::reopen() {
    const QString chosen = searchCategory->currentData().toString();
    const QSignalBlocker quiet(searchCategory);
    searchCategory->clear();
    searchCategory->addItem(QStringLiteral("Alle Kategorien"), QString());
    if (const auto counts = store_.notes.categoryCounts(); counts)
        for (const store::CategoryCount &c : *counts) searchCategory->addItem(c.Category, c.Category);
    searchCategory->setCurrentIndex(std::max(0, searchCategory->findData(chosen)));
    searchText->selectAll();
    searchText->setFocus();
    search();
}

void NoteSearchWindow::search() {
    hitList->setRowCount(0);
    if (store::searchWords(searchText->text()).isEmpty()) {
        hitCount->clear();
        return;
    }
    const auto hits = store::searchNotes(store_.database(), searchText->text(),
                                         searchCategory->currentData().toString(), kMaxShownHits + 1);
    if (!hits) {
        hitCount->setText(hits.error());
        return;
    }
    const int shown = std::min(int(hits->size()), kMaxShownHits);
    hitList->setRowCount(shown);
    for (int row = 0; row < shown; ++row) {
        const store::NoteHit &hit = (*hits)[size_t(row)];
        const QString texts[] = {hit.ICAO, hit.Name, hit.Category, hit.line.text};
        for (int column = 0; column < 4; ++column) hitList->setItem(row, column, new QTableWidgetItem(texts[column]));
        hitList->item(row, kLineColumn)->setData(kMarkedRole, markedHtml(hit.line));
    }
    for (int column = 0; column < kLineColumn; ++column) hitList->resizeColumnToContents(column);
    hitList->setColumnWidth(1, std::min(hitList->columnWidth(1), 220));
    if (hits->empty()) hitCount->setText(QStringLiteral("kein Treffer"));
    else if (int(hits->size()) > kMaxShownHits)
        hitCount->setText(QStringLiteral("mehr als %1 Treffer, die ersten gezeigt").arg(kMaxShownHits));
    else hitCount->setText(QStringLiteral("%1 Treffer").arg(hits->size()));
}

void NoteSearchWindow::choose(int row) {
    if (row < 0 || row >= hitList->rowCount()) return;
    const QString icao = hitList->item(row, 0)->text(), category = hitList->item(row, 2)->text();
    hide();
    emit noteWanted(icao, category);
}

bool NoteSearchWindow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        choose(std::max(0, hitList->currentRow()));
        return true;
    }
    if (watched == searchText && (key == Qt::Key_Down || key == Qt::Key_Up) && hitList->rowCount() > 0) {
        const int row = std::clamp(hitList->currentRow() + (key == Qt::Key_Down ? 1 : -1), 0, hitList->rowCount() - 1);
        hitList->selectRow(row);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace volmira::browser
