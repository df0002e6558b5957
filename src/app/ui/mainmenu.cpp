#include "app/ui/mainmenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction* topLevelMenu(QMenuBar* bar, const QString& name, const QString& caption, QMenu** menu = nullptr) {
    QMenu* m = bar->addMenu(caption);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    if (menu)
        *menu = m;
    return m->menuAction();
}

QAction* topLevelAction(QMenuBar* bar, const QString& name, const QString& caption) {
    QAction* a = bar->addAction(caption);
    a->setObjectName(name);
    return a;
}

QAction* addItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    return a;
}

} // namespace

MainMenu::MainMenu(QMenuBar* bar) {
    bar->setObjectName(QStringLiteral("QTXMainMenu"));
    QMenu* import = nullptr;
    QMenu* hilfe = nullptr;
    m_topLevelItems << topLevelMenu(bar, QStringLiteral("miVKKLZeile"), QStringLiteral("&Zeile"), &m_zeile);
    m_miVKKLFenster =
        topLevelMenu(bar, QStringLiteral("miVKKLFenster"), QStringLiteral("&Fenster"), &m_fenster);
    m_topLevelItems << m_miVKKLFenster;
    m_miVKKLImport = topLevelMenu(bar, QStringLiteral("miVKKLImport"), QStringLiteral("&Import"), &import);
    m_topLevelItems << m_miVKKLImport;
    topLevelMenu(bar, QStringLiteral("AutoOrderMenu"), QStringLiteral("AutoOrder"))->setVisible(false);
    m_miVKKLBestellen =
        topLevelAction(bar, QStringLiteral("miVKKLBestellen"), QStringLiteral("&Bestellen F10"));
    m_miVKKLBestellen->setShortcut(QKeySequence(Qt::Key_F10));
    m_topLevelItems << m_miVKKLBestellen;
    m_miVKKLOptionen = topLevelAction(bar, QStringLiteral("miVKKLOptionen"), QStringLiteral("&Optionen"));
    m_topLevelItems << m_miVKKLOptionen;
    m_topLevelItems << topLevelAction(bar, QStringLiteral("InfoNEX"), QStringLiteral("Info NEX/Paketdienst"));
    m_miHilfe = topLevelMenu(bar, QStringLiteral("miHilfe"), QStringLiteral("&Hilfe"), &hilfe);
    m_topLevelItems << m_miHilfe;
    topLevelMenu(bar, QStringLiteral("miTests"), QStringLiteral("Diverse Tests"))->setVisible(false);

    // Catalogue baskets; the hidden ones belong to catalogues no longer sold.
    addItem(import, QStringLiteral("miVKKLImportCCD32"), QStringLiteral("&Coparts DVD"));
    addItem(import, QStringLiteral("miVKKLImportCCD32OL"), QStringLiteral("Coparts-&Online"));
    addItem(import, QStringLiteral("miVKKLImportAtris"), QStringLiteral("&Atris DVD"))->setVisible(false);
    addItem(import, QStringLiteral("miVKKLImportTopTruck"), QStringLiteral("&TopTruck DVD"));
    addItem(import, QStringLiteral("miVKKLImportAtrisWM"), QStringLiteral("Atris &WM DVD"));
    m_miVKKLImportGTC = addItem(import, QStringLiteral("miVKKLImportGTC"), QStringLiteral("&GTC"));
    m_miVKKLImportGTC->setVisible(false);
    addItem(import, QStringLiteral("miVKKLImportSTAkisOL"), QStringLiteral("STAkis-Online"));
    addItem(import, QStringLiteral("miVKKLImportProfi"), QStringLiteral("Profi"));
    addItem(hilfe, QStringLiteral("miVkklHelp"), QStringLiteral("Hilfe"));
    m_miEinspeiser = addItem(hilfe, QStringLiteral("miEinspeiser"), QStringLiteral("&Einspeiser"));
}

void MainMenu::enableItems(bool doit, bool importAllowed) {
    for (QAction* item : std::as_const(m_topLevelItems))
        item->setEnabled(doit && (item != m_miVKKLImport || importAllowed));
}

void MainMenu::applyPage(const PageControlRules::Menu& menu) {
    m_miVKKLFenster->setEnabled(menu.all && menu.fenster);
    if (!menu.import)
        m_miVKKLImport->setEnabled(false);
    m_miVKKLOptionen->setEnabled(menu.optionen);
    m_miHilfe->setEnabled(menu.hilfe);
}

void MainMenu::hideImportGtc() {
    m_miVKKLImportGTC->setVisible(false);
}
