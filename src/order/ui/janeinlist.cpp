#include "order/ui/janeinlist.h"

#include <QKeyEvent>

JaNeinList::JaNeinList(QWidget* parent)
    : QListWidget(parent) {
    setObjectName(QStringLiteral("lbJaNein"));
    addItems({QStringLiteral("Nein"), QStringLiteral("Ja")});
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hide();
    connect(this, &QListWidget::itemDoubleClicked, this, [this] {
        hide();
        Q_EMIT chosen(currentRow() == 1);
    });
}

void JaNeinList::popup(const QRect& rect, bool ja) {
    const int rowHeight = sizeHintForRow(0);
    setGeometry(rect.x(), rect.y(), std::max(rect.width(), sizeHintForColumn(0) + 8),
                2 * rowHeight + 2 * frameWidth());
    setCurrentRow(ja ? 1 : 0);
    show();
    raise();
    setFocus();
}

void JaNeinList::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_J:
        setCurrentRow(1);
        return;
    case Qt::Key_N:
        setCurrentRow(0);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        hide();
        Q_EMIT chosen(currentRow() == 1);
        return;
    case Qt::Key_Escape:
        hide();
        Q_EMIT cancelled();
        return;
    default:
        QListWidget::keyPressEvent(event);
    }
}

void JaNeinList::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    hide();
}
