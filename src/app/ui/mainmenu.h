#pragma once

#include "app/pagecontrolrules.h"

#include <QList>

class QAction;
class QMenu;
class QMenuBar;

// The main window's menu bar: the top-level items with their menus. The
// "Zeile" and "Fenster" menus are filled later by the shop tab.
class MainMenu {
public:
    explicit MainMenu(QMenuBar* bar);

    QMenu* zeile() const { return m_zeile; }
    QMenu* fenster() const { return m_fenster; }
    QAction* bestellen() const { return m_miVKKLBestellen; }
    QAction* einspeiser() const { return m_miEinspeiser; }

    // Enable_MainMenuItems: the import item also needs the import permission.
    void enableItems(bool doit, bool importAllowed);
    // What a tab allows beyond enableItems(menu.all, ...).
    void applyPage(const PageControlRules::Menu& menu);
    void hideImportGtc();

private:
    QList<QAction*> m_topLevelItems;
    QMenu* m_zeile = nullptr;
    QMenu* m_fenster = nullptr;
    QAction* m_miVKKLBestellen = nullptr;
    QAction* m_miVKKLImport = nullptr;
    QAction* m_miVKKLFenster = nullptr;
    QAction* m_miVKKLOptionen = nullptr;
    QAction* m_miHilfe = nullptr;
    QAction* m_miVKKLImportGTC = nullptr;
    QAction* m_miEinspeiser = nullptr;
};
