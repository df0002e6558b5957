#pragma once

#include <QList>
#include <QObject>

class DraftGridActions;
class DraftGridView;
class QAction;
class QMenu;
class QWidget;
struct ClientServices;

// The items of the menus "Zeile" and "Fenster" for the draft grid. Their keys
// work while the focus is on the page given as scope.
class DraftMenus : public QObject {
    Q_OBJECT
public:
    DraftMenus(QWidget& scope, DraftGridView& view, DraftGridActions& actions,
               const ClientServices& services);

    const QList<QAction*>& zeileActions() const { return m_zeile; }
    const QList<QAction*>& fensterActions() const { return m_fenster; }
    // A menu "&Zeile" (miVKKLZeile) holding the items.
    QMenu* createZeileMenu(QWidget* parent) const;

private:
    QAction* add(QList<QAction*>& list, const QString& name, const QString& caption, const QKeySequence& key);
    int row() const;

    QWidget& m_scope;
    DraftGridView& m_view;
    DraftGridActions& m_actions;
    const ClientServices& m_services;
    QList<QAction*> m_zeile;
    QList<QAction*> m_fenster;
};
