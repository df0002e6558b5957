#pragma once

#include "order/ui/shoppage.h"

#include <QObject>
#include <QPointer>

#include <memory>

class ArticleEntry;
class Clock;
class Dialogs;
class DraftChangeGuard;
class DraftOrder;
class Ending;
class LokalIni;
class Logger;
class QuickSearchWidgets;
class Session;
class QWidget;
struct DraftSettings;

// The "Shop" tab put together: the draft order with its grid, the quick
// search over it, and the calls between them and the session. The main
// window only places the page and the menu items.
class ShopTab : public QObject {
    Q_OBJECT
public:
    struct Seams {
        Logger& log;
        Dialogs& dialogs;
        Ending& ending;
        Clock& clock;
    };

    ShopTab(Seams seams, Session& session, QWidget* page, const LokalIni* ini, QObject* parent = nullptr);
    ~ShopTab() override;

    ShopPage& page() const { return *m_page; }
    DraftOrder& draft() const { return *m_draft; }
    ArticleEntry& entry() const { return *m_entry; }
    QuickSearchWidgets& quickSearch() const { return *m_quick; }

    // After the login: the draft order of the customer, read into the grid.
    void loadDraftOrder();
    // Where the status panels of the main window are written.
    void setStatusSink(std::function<void(int panel, const QString& text)> sink);

private:
    DraftSettings settingsFromOptions() const;
    // The multiple-login check before a change of the draft; true drops the change.
    bool changedElsewhere(const QString& action);

    Seams m_s;
    Session& m_session;
    std::unique_ptr<DraftOrder> m_draft;
    std::unique_ptr<ArticleEntry> m_entry;
    std::unique_ptr<DraftChangeGuard> m_guard;
    QPointer<ShopPage> m_page;
    std::unique_ptr<QuickSearchWidgets> m_quick;
    std::function<void(int, const QString&)> m_status;
};
