#include "articles/ui/stockgrid.h"

#include "grid/gridkeys.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

// The grid's cream background and the colour of the figures of data rows.
const QColor cream(255, 251, 230);
const QColor figures(0, 64, 128);

} // namespace

StockGrid::StockGrid(QWidget* parent)
    : QTableWidget(parent) {
    setObjectName(QStringLiteral("sgBestandNeu"));
    setColumnCount(4);
    setHorizontalHeaderLabels({QStringLiteral("Filiale"), QStringLiteral("verfügbar"),
                               QStringLiteral("Nachtexpress"), QStringLiteral("Z")});
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    setColumnHidden(3, true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameShape(QFrame::Box);
    QPalette p = palette();
    p.setColor(QPalette::Base, cream);
    setPalette(p);
    hide();
}

void StockGrid::fill(const StockInfo::Grid& grid, bool hitListShown, int fontSize) {
    m_content = grid;
    m_hitListShown = hitListShown;
    QFont f = font();
    if (fontSize > 0)
        f.setPointSize(fontSize);
    setFont(f);
    horizontalHeader()->setFont(f);
    QFont bold = f;
    bold.setBold(true);
    clearContents();
    setRowCount(int(grid.rows.size()));
    for (int r = 0; r < grid.rows.size(); ++r) {
        const QStringList& cells = grid.rows.at(r);
        const bool data = r < grid.rows.size() - 1;
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(cells.value(c));
            item->setTextAlignment(Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignRight));
            if (data && !hitListShown) {
                if (c == 0)
                    item->setFont(bold);
                else
                    item->setForeground(figures);
            }
            setItem(r, c, item);
        }
    }
    setColumnHidden(2, grid.nexColumnHidden);
    const int rowHeight = QFontMetrics(f).height() + 6;
    verticalHeader()->setDefaultSectionSize(rowHeight);
    horizontalHeader()->setFixedHeight(rowHeight);
    resizeColumnsToContents();
    if (grid.selected >= 0)
        selectRow(grid.selected);
    else
        clearSelection();
}

QSize StockGrid::fittedSize(int maxHeight) const {
    int width = 13;
    for (int c = 0; c < columnCount(); ++c) {
        if (!isColumnHidden(c))
            width += columnWidth(c) + 1;
    }
    const int rowHeight = verticalHeader()->defaultSectionSize();
    int height = (rowHeight + 1) * (rowCount() + 1) + 12;
    if (maxHeight > 0 && height > maxHeight) {
        height = maxHeight;
        width += verticalScrollBar()->sizeHint().width();
    }
    return {width, height};
}

bool StockGrid::isDataRow(int row) const {
    return row >= 0 && row < rowCount() - 1;
}

void StockGrid::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        Q_EMIT closed();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (isDataRow(currentRow()) && !m_hitListShown)
            Q_EMIT chosen(currentRow());
        return;
    default:
        if (GridKeys::isRowNavigation(event->key()))
            QTableWidget::keyPressEvent(event);
        else
            event->accept(); // other keys go nowhere: not to the draft grid behind
        return;
    }
}

void StockGrid::mousePressEvent(QMouseEvent* event) {
    QTableWidget::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid() && index.column() == 0 &&
        isDataRow(index.row()) && !m_hitListShown)
        Q_EMIT chosen(index.row());
}

void StockGrid::paintEvent(QPaintEvent* event) {
    QTableWidget::paintEvent(event);
    // The separator: a blue line at the top of the first row after the preferred branches.
    const int row = m_content.tag - 1;
    if (m_content.tag <= 1 || m_hitListShown || row >= rowCount())
        return;
    QPainter painter(viewport());
    painter.setPen(QPen(Qt::blue, 4));
    const int y = rowViewportPosition(row);
    painter.drawLine(0, y, viewport()->width(), y);
}
