// The keys inside the draft grid.
#include "order/ui/draftgridview.h"

#include "grid/gridkeys.h"
#include "grid/stringgrid.h"
#include "grid/stringgridmodel.h"
#include "services/articlewindows.h"
#include "services/deliveryaddresses.h"
#include "services/deliveryrules.h"
#include "services/draftinterfaces.h"

#include <QKeyEvent>

namespace {
bool isModifierOnly(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr || key == Qt::Key_CapsLock || key == Qt::Key_unknown;
}
} // namespace

bool DraftGridView::openList(int column, int row, int key, const QString& digit) {
    const QString header = headerOf(column);
    const bool f6 = key == Qt::Key_F6;
    if (header == QStringLiteral("Bestellen") && f6) {
        showJaNein();
        return true;
    }
    if (header == QStringLiteral("Lieferungsart") && (f6 || !digit.isEmpty())) {
        m_services.delivery->deliveryKinds(row, digit);
        return true;
    }
    if (header == QStringLiteral("Lieferadresse") && (f6 || !digit.isEmpty())) {
        m_services.addresses->addressChoice(row, digit);
        return true;
    }
    if (header == QStringLiteral("Artikelnummer") && f6) {
        m_services.articleWindows->articleWindow(row);
        return true;
    }
    return false;
}

void DraftGridView::keyPressEvent(QKeyEvent* event) {
    // While the co-sale question is open the grid takes no keys.
    if (m_actions.coSaleQuestionOpen()) {
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteIntoCell();
        event->accept();
        return;
    }
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        m_services.quickSearch->hidePopups();
        event->accept();
        return;
    }
    const QModelIndex current = currentIndex();
    if (!current.isValid()) {
        QTableView::keyPressEvent(event);
        return;
    }
    const int column = current.column();
    const int row = StringGridModel::gridRow(current);
    const QString header = headerOf(column);
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool plain = (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
    const QString text = event->text();
    const QString digit = plain && text.size() == 1 && text.at(0).isDigit() ? text : QString();

    if (key == Qt::Key_Left && modifiers == Qt::ControlModifier &&
        column <= col(QStringLiteral("Bestellen"))) {
        setCurrentCell(col(QStringLiteral("Lieferungsart")), row);
        event->accept();
        return;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && plain) {
        const int lieferungsart = col(QStringLiteral("Lieferungsart"));
        if (lieferungsart >= 0 && column >= lieferungsart)
            enterHandling(column, row, QString(), false);
        else if (m_actions.opensEditor(column, row))
            edit(current, AllEditTriggers, nullptr);
        event->accept();
        return;
    }
    if (key == Qt::Key_F11) {
        m_services.quickSearch->alternatives(row);
        event->accept();
        return;
    }
    if (key == Qt::Key_F8) {
        static const QStringList f8Columns{QStringLiteral("Bestellen"), QStringLiteral("Lieferungsart"),
                                           QStringLiteral("Artikelnummer"), QStringLiteral("Menge"),
                                           QStringLiteral("Lieferadresse")};
        if (f8Columns.contains(header))
            m_actions.copyFromRowAbove(column, row);
        event->accept();
        return;
    }
    if ((key == Qt::Key_F6 || !digit.isEmpty()) && openList(column, row, key, digit)) {
        event->accept();
        return;
    }
    if (header == QStringLiteral("Bestellen") && plain && (key == Qt::Key_J || key == Qt::Key_N)) {
        m_actions.applyJaNein(row, key == Qt::Key_J);
        event->accept();
        return;
    }
    if (header == QStringLiteral("Bestell-Info") && row >= 2 && !GridKeys::isNavigation(key) &&
        !isModifierOnly(key) && state() != EditingState) {
        const bool opened =
            text.isEmpty() ? edit(current, AllEditTriggers, nullptr) : edit(current, AnyKeyPressed, event);
        if (opened) {
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}
