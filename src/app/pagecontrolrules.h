#pragma once

#include <QString>

#include <functional>

// Which tab changes the main window's page control allows and which
// top-level menu items a tab enables. The window asks before and after a
// change; the pages themselves report through the callbacks.
class PageControlRules {
public:
    // The tabs in page-control order.
    enum class Page { Shop, Login, AutoOrder, Ruecklieferung, Altteile, Belege };

    struct Callbacks {
        // mehrfach_gefunden: the draft order was changed from elsewhere.
        std::function<bool(Page)> draftChangedElsewhere;
        // A grid row from row 1 on with a non-blank "Bezeichnung".
        std::function<bool(Page)> basketHasItems;
        // False while the returns or old-parts page is being prepared.
        std::function<bool()> pageReady;
    };

    struct Leave {
        bool allowed = true;
        QString message; // shown to the user
        QString log;     // logged only
    };

    // Top-level items of the main menu a tab leaves enabled.
    struct Menu {
        bool all = false; // Enable_MainMenuItems(true), else (false)
        bool fenster = true;
        bool import = true;
        bool optionen = true;
        bool hilfe = true;
    };

    explicit PageControlRules(Callbacks callbacks = {})
        : m_callbacks(std::move(callbacks)) {}

    static QString caption(Page page);
    static Page pageAt(int index) { return static_cast<Page>(index); }

    // PageControlChanging: may the tab being left be left?
    Leave changing(Page leaving) const;
    // PageControlChange: the tab to show instead (Login when nobody is logged in).
    static Page entering(Page entered, bool loggedIn);
    static Menu menuFor(Page page);

private:
    Callbacks m_callbacks;
};
