#include "order/ui/gridhints.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

GridHints::GridHints(QAbstractItemView& view, QHeaderView* header, TextFor text, FontFor font,
                     std::function<bool()> suppressed, QObject* parent)
    : QObject(parent)
    , m_view(view)
    , m_header(header)
    , m_text(std::move(text))
    , m_font(std::move(font))
    , m_suppressed(std::move(suppressed)) {
    view.viewport()->setMouseTracking(true);
    view.viewport()->installEventFilter(this);
    if (m_header) {
        m_header->viewport()->setMouseTracking(true);
        m_header->viewport()->installEventFilter(this);
    }
}

QString GridHints::hintHtml(const QString& text, const QString& fontFamily) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return QStringLiteral("<div style=\"font-family:'%1'; white-space:pre;\">%2</div>")
        .arg(fontFamily, plain.toHtmlEscaped());
}

QPoint GridHints::cellAt(QObject* watched, const QPoint& pos) const {
    if (m_header && watched == m_header->viewport()) {
        const int column = m_header->logicalIndexAt(pos);
        return column < 0 ? QPoint(-1, -1) : QPoint(column, 0);
    }
    const QModelIndex index = m_view.indexAt(pos);
    return index.isValid() ? QPoint(index.column(), index.row() + 1) : QPoint(-1, -1);
}

bool GridHints::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove: {
        const QPoint cell = cellAt(watched, static_cast<QMouseEvent*>(event)->position().toPoint());
        if (cell != m_cell) {
            QToolTip::hideText();
            m_cell = cell;
        }
        break;
    }
    case QEvent::Leave:
        m_cell = QPoint(-1, -1);
        QToolTip::hideText();
        break;
    case QEvent::ToolTip: {
        auto* help = static_cast<QHelpEvent*>(event);
        const QPoint cell = cellAt(watched, help->pos());
        if (cell != m_cell) {
            // The mouse came here without resting: nothing yet.
            m_cell = cell;
            QToolTip::hideText();
            return true;
        }
        const QString text =
            (cell.x() < 0 || (m_suppressed && m_suppressed())) ? QString() : m_text(cell.x(), cell.y());
        if (text.isEmpty()) {
            QToolTip::hideText();
            return true;
        }
        QString family = m_font ? m_font(cell.x(), cell.y()) : QString();
        if (family.isEmpty())
            family = QStringLiteral("Arial");
        QToolTip::showText(help->globalPos(), hintHtml(text, family), static_cast<QWidget*>(watched));
        return true;
    }
    default:
        break;
    }
    return false;
}
