#pragma once

#include "app/pagecontrolrules.h"

#include <QString>

class MainMenu;
class QWidget;

// One tab of the main window's page control. A tab registers with the
// composition root and says everything the window needs of it; the window
// holds no rule of any tab.
class TabPage {
public:
    virtual ~TabPage() = default;

    // objectName and caption of the tab sheet ("tsVerkaufskladde", "Shop").
    virtual QString name() const = 0;
    virtual QString caption() const = 0;
    // The tab sheet; the window takes it into the page control.
    virtual QWidget* page() = 0;
    // The top-level menu items the tab leaves enabled.
    virtual PageControlRules::Menu menu() const = 0;
    // Shown only once a user is logged in (all but the login tab); hidden always (AutoOrder).
    virtual bool onlyLoggedIn() const { return true; }
    virtual bool hidden() const { return false; }
    // Items of its own in the main menu.
    virtual void addMenuItems(MainMenu&) {}

    // PageControlChanging: may the tab be left?
    virtual PageControlRules::Leave leaving() { return {}; }
    // PageControlChange: the tab was entered.
    virtual void entered() {}
    virtual void loggedIn() {}
    virtual void loggedOut() {}
};
