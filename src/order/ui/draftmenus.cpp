#include "order/ui/draftmenus.h"

#include "order/ui/draftgridview.h"
#include "services/articlewindows.h"
#include "services/bookingservice.h"
#include "services/deliveryaddresses.h"
#include "services/deliveryrules.h"
#include "services/draftinterfaces.h"
#include "services/stockservice.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

DraftMenus::DraftMenus(QWidget& scope, DraftGridView& view, DraftGridActions& actions,
                       const ClientServices& services)
    : QObject(&scope)
    , m_scope(scope)
    , m_view(view)
    , m_actions(actions)
    , m_services(services) {
    auto on = [this](QAction* action, auto handler) { connect(action, &QAction::triggered, this, handler); };

    on(add(m_zeile, QStringLiteral("miVKKLNeuMitKopieren"), QStringLiteral("Neu mit &kopieren"), Qt::Key_F2),
       [this] { m_actions.newLineWithCopy(row()); });
    on(add(m_zeile, QStringLiteral("miVKKLNeu"), QStringLiteral("&Neu"), Qt::Key_F3),
       [this] { m_actions.newLine(); });
    on(add(m_zeile, QStringLiteral("miVKKLLoeschen"), QStringLiteral("&Löschen Zeile"), Qt::Key_F4), [this] {
        // Typing in the article entry field, F4 deletes nothing.
        const QWidget* focus = QApplication::focusWidget();
        if (focus && focus->objectName() == QStringLiteral("edArtikel"))
            return;
        m_actions.deleteLine(row());
    });
    on(add(m_zeile, QStringLiteral("miVKKLAlleLoeschen"), QStringLiteral("&Alle Zeilen löschen"), Qt::Key_F5),
       [this] { m_actions.deleteAllLines(); });
    on(add(m_zeile, QStringLiteral("miVKKLMarkierungAendern"), QStringLiteral("&Eine Markierung ändern"),
           QKeySequence(Qt::CTRL | Qt::Key_F1)),
       [this] { m_actions.toggleMark(row()); });
    on(add(m_zeile, QStringLiteral("miVKKLAlleMarkieren"), QStringLiteral("&Alle zum Bestellen markieren"),
           {}),
       [this] { m_actions.markAll(); });
    on(add(m_zeile, QStringLiteral("miVKKLMarkierungenAufheben"),
           QStringLiteral("&Markierungen alle aufheben"), {}),
       [this] { m_actions.clearAllMarks(); });
    on(add(m_zeile, QStringLiteral("miVKKLMengeTE"), QStringLiteral("Alle Zeilen auf Menge=TE setzen"),
           QKeySequence(Qt::CTRL | Qt::Key_T)),
       [this] { m_actions.fillQuantities(); });
    on(add(m_zeile, QStringLiteral("miVKKLReferenz"), QStringLiteral("Referenz setzen"), {}),
       [this] { m_actions.setReferenceForAll(); });
    on(add(m_zeile, QStringLiteral("LagerauftragExpress1"), QStringLiteral("Lagerauftrag als Express"), {}),
       [this] { m_services.booking->warehouseToExpress(); });

    on(add(m_fenster, QStringLiteral("miVKKLBestandsInfo"), QStringLiteral("&BestandsInfo"), Qt::Key_F9),
       [this] { m_services.stock->stockInfo(row()); });
    on(add(m_fenster, QStringLiteral("miVKKLLieferungsarten"), QStringLiteral("Lie&ferungsarten"), {}),
       [this] { m_services.delivery->deliveryKinds(row(), QString()); });
    on(add(m_fenster, QStringLiteral("miVKKLLieferadresse"), QStringLiteral("&Lieferadresse"), {}),
       [this] { m_services.addresses->addressChoice(row(), QString()); });
    on(add(m_fenster, QStringLiteral("miVKKLAlternativArtikel"), QStringLiteral("Al&ternativ-Artikel"),
           Qt::Key_F11),
       [this] { m_services.quickSearch->alternatives(row()); });
}

QAction* DraftMenus::add(QList<QAction*>& list, const QString& name, const QString& caption,
                         const QKeySequence& key) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_scope.addAction(action);
    list.append(action);
    return action;
}

int DraftMenus::row() const {
    return m_view.currentGridRow();
}

QMenu* DraftMenus::createZeileMenu(QWidget* parent) const {
    auto* menu = new QMenu(QStringLiteral("&Zeile"), parent);
    menu->setObjectName(QStringLiteral("miVKKLZeile"));
    menu->addActions(m_zeile);
    return menu;
}
