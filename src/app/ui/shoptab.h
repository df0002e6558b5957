#pragma once

#include "app/ui/tabpage.h"
#include "order/ui/shoppage.h"
#include "services/sessionfollowups.h"

#include <QObject>
#include <QPointer>

#include <memory>

class ArticleEntry;
class Clock;
class Dialogs;
class DeliveryChoice;
class DeliveryKindList;
class DraftChangeGuard;
class DraftOrder;
class Ending;
class LokalIni;
class Logger;
class QLabel;
class QListWidget;
class QuickSearchProvider;
class QuickSearchWidgets;
class Session;
class StockPanel;
class QWidget;
struct ClientServices;
struct DraftSettings;

// The "Shop" tab put together: the draft order with its grid, the quick
// search over it, and the calls between them and the session. It provides
// the draft order and the quick search to the other subsystems.
class ShopTab : public QObject, public TabPage, public DraftOrderService {
    Q_OBJECT
public:
    struct Seams {
        Logger& log;
        Dialogs& dialogs;
        Ending& ending;
        Clock& clock;
    };

    // Fills services.draft, services.quickSearch, services.stock and services.delivery.
    ShopTab(Seams seams, Session& session, ClientServices& services, const LokalIni* ini,
            QObject* parent = nullptr);
    ~ShopTab() override;

    ShopPage& shopPage() const { return *m_page; }
    DraftOrder& draft() const { return *m_draft; }
    ArticleEntry& entry() const { return *m_entry; }
    QuickSearchWidgets& quickSearch() const { return *m_quick; }
    StockPanel& stock() const { return *m_stock; }

    // --- TabPage
    QString name() const override;
    QString caption() const override;
    QWidget* page() override;
    PageControlRules::Menu menu() const override;
    void addMenuItems(MainMenu& menu) override;
    PageControlRules::Leave leaving() override;
    void entered() override;
    void loggedIn() override;

    // The options window stored: the draft grid follows the settings; with
    // a changed column choice the widths follow it too.
    void applyOptions(bool columnsChanged, const QStringList& checkedColumns);

    // --- DraftOrderService
    void loadDraftOrder() override;
    int kladdenZahl() const override;

Q_SIGNALS:
    void statusText(int panel, const QString& text);

private:
    DraftSettings settingsFromOptions() const;
    void applyGridFont(int size);

    Seams m_s;
    Session& m_session;
    std::unique_ptr<DraftOrder> m_draft;
    std::unique_ptr<ArticleEntry> m_entry;
    std::unique_ptr<DraftChangeGuard> m_guard;
    QPointer<QWidget> m_sheet;
    QPointer<ShopPage> m_page;
    QLabel* m_vkklStatusBar = nullptr;
    QListWidget* m_lbFiliale = nullptr;
    DeliveryKindList* m_lbLieferungscode = nullptr;
    std::unique_ptr<QuickSearchWidgets> m_quick;
    std::unique_ptr<QuickSearchProvider> m_provider;
    std::unique_ptr<StockPanel> m_stock;
    DeliveryChoice* m_delivery = nullptr;
    const LokalIni* m_ini = nullptr;
    // The grid's widths before the first column choice: where "Nur wichtige Spalten" starts.
    QList<int> m_standardWidths;
    // The point size the grid shows; -1 until the first login.
    int m_gridFontSize = -1;
};
