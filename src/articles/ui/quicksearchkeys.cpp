#include "articles/ui/quicksearchwidgets.h"

#include "articles/articleentry.h"
#include "articles/quicksearch.h"
#include "grid/stringgridmodel.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>

// Keys and focus of the field and the pop-ups.
bool QuickSearchWidgets::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == m_edit)
            return fieldKey(key);
        if (watched == m_hits)
            return hitListKey(key);
        if (watched == m_alternatives)
            return alternativesKey(key);
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (watched == m_edit) {
            m_edit->selectAll();
            return true;
        }
        break;
    case QEvent::FocusIn:
        if (watched == m_edit) {
            const QString cell = m_search->fieldEntered();
            if (!cell.isNull()) {
                m_edit->setText(cell);
                m_typeDelay->start();
            }
        } else if (watched == m_hits) {
            hitListFocus(true);
        }
        break;
    case QEvent::FocusOut:
        if (watched == m_hits) {
            hitListFocus(false);
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            // A message box or another window takes the focus only for a while.
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                QTimer::singleShot(0, this, &QuickSearchWidgets::hitListLeft);
        } else if (watched == m_alternatives && !m_entry.hitListVisible() &&
                   static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            m_entry.showAlternatives(false);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool QuickSearchWidgets::fieldKey(int key) {
    switch (key) {
    case Qt::Key_Down:
        if (!m_entry.hitListVisible())
            return false;
        enterInField();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        enterInField();
        return true;
    case Qt::Key_Escape:
        m_typeDelay->stop();
        m_hits->clearSelection();
        m_search->escape();
        return true;
    default:
        return false;
    }
}

bool QuickSearchWidgets::hitListKey(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_click->stop();
        m_search->takeHit(selectedHit());
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        // The view moves the current row; browsing follows it.
        m_keyBrowse = true;
        return false;
    case Qt::Key_Escape:
        m_entry.hidePopups();
        backToOwner();
        return true;
    default:
        return false;
    }
}

bool QuickSearchWidgets::alternativesKey(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const QModelIndex current = m_alternatives->currentIndex();
        if (current.isValid())
            m_search->chooseAlternative(StringGridModel::gridRow(current));
        return true;
    }
    case Qt::Key_Escape:
        m_entry.showAlternatives(false);
        if (m_entry.hitListVisible())
            m_hits->setFocus();
        else
            backToOwner();
        return true;
    default:
        return false;
    }
}

void QuickSearchWidgets::hitListFocus(bool in) {
    // Idle processing goes on while the list holds the focus.
    if (in) {
        m_mausSaved = {m_maus->isActive(), m_maus->interval(), m_maus->property("tag")};
        m_maus->setInterval(9999);
        m_maus->setProperty("tag", 1);
        m_maus->start();
        return;
    }
    m_maus->setInterval(m_mausSaved.interval);
    m_maus->setProperty("tag", m_mausSaved.tag);
    if (!m_mausSaved.active)
        m_maus->stop();
}

void QuickSearchWidgets::hitListLeft() {
    // The pop-ups go when the focus went elsewhere than the field or a pop-up.
    const QWidget* now = QApplication::focusWidget();
    for (const QWidget* own : {static_cast<QWidget*>(m_edit), static_cast<QWidget*>(m_hits),
                               static_cast<QWidget*>(m_info), static_cast<QWidget*>(m_alternatives)}) {
        if (now && (now == own || own->isAncestorOf(now)))
            return;
    }
    m_entry.hidePopups();
}
