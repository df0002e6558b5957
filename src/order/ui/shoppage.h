#pragma once

#include "order/ui/draftlogo.h"
#include "services/clientservices.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class DraftGridActions;
class DraftGridView;
class DraftMenus;
class Logger;
class QAction;
class QGridLayout;
class QLabel;
class QMenu;
class StringGrid;

// The content of the tab "Shop": the place of the quick search at the top
// (pnSchnellsuche), the draft grid sgVKKL with room for lists laid over it,
// and the totals (SummenLabel) below.
class ShopPage : public QWidget {
    Q_OBJECT
public:
    ShopPage(QWidget* parent, StringGrid& sgVKKL, DraftGridActions& actions, const ClientServices& services,
             Logger& log);

    DraftGridView& grid() const { return *m_grid; }
    QWidget& schnellsuchePanel() const { return *m_schnellsuche; }
    QLabel& summenLabel() const { return *m_summen; }
    void setSummen(const QString& text);

    // Lays a widget over the grid (the hit list of the quick search). While
    // one of them is shown, the cell editor is not reopened.
    void placeOverGrid(QWidget* overlay, Qt::Alignment alignment = {});

    void setLogoTexts(const DraftLogo::Texts& texts);

    // Menu "&Zeile" with its items, and the items of "&Fenster".
    QMenu* createZeileMenu(QWidget* parent) const;
    const QList<QAction*>& zeileActions() const;
    const QList<QAction*>& createFensterActions() const;

    // Where DraftLineAccess::reopenEditor ends up.
    void reopenEditor(const QString& header, int row);
    // The main menu's "&Bestellen F10".
    void bookOrder();

Q_SIGNALS:
    // Text for the page's status bar (VKKLStatusBar).
    void statusTextChanged(const QString& text);

private:
    bool overlayShown() const;

    DraftGridView* m_grid = nullptr;
    const ClientServices& m_services;
    DraftMenus* m_menus = nullptr;
    QWidget* m_schnellsuche = nullptr;
    QLabel* m_summen = nullptr;
    QGridLayout* m_gridArea = nullptr;
    QList<QPointer<QWidget>> m_overlays;
};
