#pragma once

#include <QObject>

#include <memory>

class ArticleEntry;
class Clock;
class Dialogs;
class DraftOrder;
class Ending;
class LokalIni;
class Logger;
class QuickSearchWidgets;
class Session;
class ShopPage;
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

    Seams m_s;
    Session& m_session;
    std::unique_ptr<DraftOrder> m_draft;
    std::unique_ptr<ArticleEntry> m_entry;
    ShopPage* m_page = nullptr;
    std::unique_ptr<QuickSearchWidgets> m_quick;
    std::function<void(int, const QString&)> m_status;
};
