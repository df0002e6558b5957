#include "order/ui/deliverykindlist.h"

#include "grid/gridkeys.h"

#include <QAbstractItemView>
#include <QKeyEvent>

DeliveryKindList::DeliveryKindList(QWidget* parent)
    : QListWidget(parent) {
    setObjectName(QStringLiteral("lbLieferungscode"));
    hide();
}

void DeliveryKindList::openAt(QAbstractItemView* grid, const QRect& cell, int row, int preselect) {
    if (count() == 0)
        return;
    m_row = row;
    m_heldKey = 0;
    setCurrentRow(preselect < count() ? preselect : 0);
    const int height = sizeHintForRow(0) * count() + 2 * frameWidth();
    const int width = std::max(cell.width(), sizeHintForColumn(0) + 2 * frameWidth() + 8);
    // Below the cell when it fits in the grid, else above it.
    QPoint at = grid->viewport()->mapTo(parentWidget(), cell.bottomLeft());
    const QPoint gridTop = grid->viewport()->mapTo(parentWidget(), QPoint(0, 0));
    if (at.y() + height > gridTop.y() + grid->viewport()->height())
        at.setY(std::max(gridTop.y(), at.y() - cell.height() - height));
    setGeometry(at.x(), at.y(), width, height);
    show();
    raise();
    setFocus();
}

void DeliveryKindList::choose() {
    if (!currentItem())
        return;
    const QString kind = currentItem()->text();
    hide();
    Q_EMIT chosen(m_row, kind);
}

void DeliveryKindList::keyPressEvent(QKeyEvent* event) {
    if (GridKeys::isRowNavigation(event->key()))
        m_heldKey = event->key();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        choose();
        return;
    case Qt::Key_Escape:
        hide();
        Q_EMIT closed();
        return;
    default:
        QListWidget::keyPressEvent(event);
    }
}

void DeliveryKindList::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat() && event->key() == m_heldKey)
        m_heldKey = 0;
    QListWidget::keyReleaseEvent(event);
}

void DeliveryKindList::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    hide();
}

void DeliveryKindList::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    // A click while a page or arrow key is still held is not a choice.
    if (m_heldKey == 0 && itemAt(event->position().toPoint()))
        choose();
}
